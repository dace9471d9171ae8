// The command line: a multi-line toolkit text control whose keys, history and paste are the
// client's own (command_line_editor); the frame around it is reached through
// command_editor_frame.
#pragma once

#include <wx/textctrl.h>

#include "app/command_line_editor.h"

// The client's code (command_keys.h) of a toolkit key code.
int line_edit_key_code(int toolkit_code);

class quor_line_edit : public wxTextCtrl, private command_editor_view {
 public:
  quor_line_edit(wxWindow* parent, const wxString& name, command_editor_frame& frame);

  void submit_line() { editor.submit_line(); }
  void history_up() { editor.history_up(); }
  void history_down() { editor.history_down(); }
  void history_store(const std::string& text) { editor.history().history_store(text); }
  void select_history(int set) { editor.history().select_history(set); }
  // The "//history" listing text.
  std::string show_history() const { return editor.history().format_history(); }
  // Password prompts: drawn black on black, no history and no echo.
  void set_hidden_input(bool on);
  bool hidden_input() const { return editor.history().hidden_input(); }
  void set_font();
  void clear_input() override;
  void manual_clipboard_paste() override;

 private:
  void key_down_handler(wxKeyEvent& event);
  void key_up_handler(wxKeyEvent& event);
  void pasteEvent(wxClipboardTextEvent& event);
  void wheel_handler(wxMouseEvent& event);
  void apply_style(bool hidden);

  // The control.
  std::wstring get_text() override;
  long get_cursor() override { return GetInsertionPoint(); }
  void set_cursor(long position) override { SetInsertionPoint(position); }
  void set_text(const std::wstring& text) override;
  void get_selection(long& from, long& to) override { GetSelection(&from, &to); }
  void select_all() override { SetSelection(-1, -1); }
  void insert_line_break() override { WriteText("\n"); }
  void copy_selection() override;
  void apply_normal_style() override { apply_style(false); }

  // The frame, passed through.
  bool is_connected() override { return frame.is_connected(); }
  void send_command(const char* text, bool echo) override { frame.send_command(text, echo); }
  void send_line(const char* text) override { frame.send_line(text); }
  bool main_view_held() override { return frame.main_view_held(); }
  void main_follow_end() override { frame.main_follow_end(); }
  void main_hold_view() override { frame.main_hold_view(); }
  void main_page_up() override { frame.main_page_up(); }
  void main_page_down() override { frame.main_page_down(); }
  void main_scroll_up(int lines) override { frame.main_scroll_up(lines); }
  void main_scroll_down(int lines) override { frame.main_scroll_down(lines); }
  bool main_has_selection() override { return frame.main_has_selection(); }
  void main_reset_selection() override { frame.main_reset_selection(); }
  bool channel_following() override { return frame.channel_following(); }
  void channel_follow_end() override { frame.channel_follow_end(); }
  void channel_reset_selection() override { frame.channel_reset_selection(); }
  void toggle_popup(int number) override { frame.toggle_popup(number); }
  void automap_cell_step(int delta) override { frame.automap_cell_step(delta); }
  int get_setting(editor_setting which) override { return frame.get_setting(which); }
  void set_setting(editor_setting which, int value) override { frame.set_setting(which, value); }

  command_editor_frame& frame;
  command_line_editor editor;

  wxDECLARE_EVENT_TABLE();
};
