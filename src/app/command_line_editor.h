// The behaviour of the input line behind the toolkit control: Enter, the history keys, keypad
// walking, function-key aliases, push-through, the shortcut tables and the wheel. The control
// and the frame are reached through command_editor_view.
#pragma once

#include <string>

#include "app/command_history.h"
#include "app/command_keys.h"

// Settings the keys read or change; a change is stored and applied by the frame.
enum class editor_setting {
  keypad_walking,
  cmd_pushthrough,
  locking_scrollback_enable,
  font_size,
  channel_window_height,
  input_height,
  automap_display,
  group_status_display,
  hpbar_enable,
  enemy_hpbar_enable,
  exp_display,
  fkey_button_display,
  popup_display,
  mw_scrollbar_enable,
};

// The frame around the input line: the command path, the main and channel displays, the
// popups, the automap and the settings.
class command_editor_frame {
 public:
  virtual ~command_editor_frame() = default;
  virtual bool is_connected() = 0;
  virtual void send_command(const char* text, bool echo) = 0;
  virtual void send_line(const char* text) = 0;
  virtual bool main_view_held() = 0;
  virtual void main_follow_end() = 0;
  virtual void main_hold_view() = 0;
  virtual void main_page_up() = 0;
  virtual void main_page_down() = 0;
  virtual void main_scroll_up(int lines) = 0;
  virtual void main_scroll_down(int lines) = 0;
  virtual bool main_has_selection() = 0;
  virtual void main_reset_selection() = 0;
  virtual bool channel_following() = 0;
  virtual void channel_follow_end() = 0;
  virtual void channel_reset_selection() = 0;
  virtual void toggle_popup(int number) = 0;
  virtual void automap_cell_step(int delta) = 0;
  virtual int get_setting(editor_setting which) = 0;
  virtual void set_setting(editor_setting which, int value) = 0;
};

// The text control itself, and the frame it sits in.
class command_editor_view : public command_editor_frame {
 public:
  virtual std::wstring get_text() = 0;
  virtual long get_cursor() = 0;
  virtual void set_cursor(long position) = 0;
  // Replaces the text and puts the cursor at its end.
  virtual void set_text(const std::wstring& text) = 0;
  // from == to when nothing is selected.
  virtual void get_selection(long& from, long& to) = 0;
  virtual void select_all() = 0;
  virtual void clear_input() = 0;
  virtual void insert_line_break() = 0;
  virtual void copy_selection() = 0;
  virtual void manual_clipboard_paste() = 0;
  virtual void apply_normal_style() = 0;
};

class command_line_editor {
 public:
  static const int command_limit = 4999;
  static const int smallest_font = 3;
  static const int channel_height_step = 5;
  static const int lowest_channel_height = 10;
  static const int highest_channel_height = 80;
  static const int input_height_step = 12;
  static const int lowest_input_height = 24;
  static const int wheel_lines = 3;

  explicit command_line_editor(command_editor_view& view) : view(view) {}

  // True when the key was used up; otherwise it goes on to the control.
  bool key_pressed(const input_key& key);
  // Only the release of the key pressed last ends its hold: a modifier let go while a walking
  // key is still down must not turn the key's auto-repeat into steps.
  void key_released(int code) {
    if (code == last_key) key_held = false;
  }
  void submit_line();
  void history_up();
  void history_down();
  void mouse_wheel(int rotation, int delta);

  command_history& history() { return commands; }
  const command_history& history() const { return commands; }

 private:
  bool whole_text_selected();
  bool ctrl_key(const input_key& key);
  void ctrl_digit(int digit);
  void ctrl_shift_digit(int digit);
  void ctrl_c();
  void send_break_byte(const char* line);
  void toggle(editor_setting which);
  void step_setting(editor_setting which, int delta, int low, int high);
  bool plain_key(const input_key& key);
  void escape_key();

  command_editor_view& view;
  command_history commands;
  bool key_held = false;
  int last_key = -1;
  bool last_ctrl = false;
  long wheel_rest = 0;
};
