// Routes every complete tag of the game server to the owner of its payload, in the order of
// the tag table, and keeps where received text goes (the current output display and the
// channel diversion).
#pragma once

#include "display/text_output.h"

// A text display as output redirection uses it: the main text or a popup window's display.
class redirect_display {
 public:
  virtual ~redirect_display() = default;
  virtual text_output& output() = 0;
  // Text is collected without redrawing until resume_updates, which redraws once.
  virtual void suspend_updates() = 0;
  virtual void resume_updates() = 0;
  virtual void clear_display() = 0;
  virtual int get_scroll_position() = 0;
  virtual void set_scroll_position(int position) = 0;
  // The view moves to the newest text.
  virtual void view_end() = 0;
  virtual void start_color_flash(const char* arguments) = 0;
};

enum class tag_setting {
  status_bar,
  sky_bar,
  hpbar_enable,
  exp_display,
  enemy_hpbar_enable,
  colorflash_enable,
  system_audio_enable,
};

// Everything the tags act on. The panel operations keep the panel's name in theirs.
class tag_handler {
 public:
  virtual ~tag_handler() = default;
  virtual int get_setting(tag_setting which) = 0;

  // The main frame and the connection.
  virtual void set_title(const char* title) = 0;
  // Loads or creates the character's settings and re-applies menu marks and fonts from them.
  virtual void select_char_config(const char* name) = 0;
  virtual void set_login_time_now() = 0;
  virtual void set_login_state(int state) = 0;
  virtual void set_password_mode(bool on) = 0;
  virtual void relayout() = 0;
  virtual void request_status_report() = 0;
  virtual void set_uuid(const char* text) = 0;
  virtual long long ping_elapsed_ms() = 0;
  virtual void config_command(const char* line) = 0;
  virtual void setup_vote_menu(const char* suffix, const char* data) = 0;
  // Replaces an existing "&Vote" menu with one built from the stored entries.
  virtual void rebuild_vote_menu() = 0;
  // Where the connection sends text runs from now on.
  virtual void set_current_output(redirect_display& display) = 0;
  virtual void set_channel_diversion(bool on) = 0;
  virtual redirect_display& main_display() = 0;

  // The input window.
  virtual void select_history(int set) = 0;

  // The panels.
  virtual void automap_parse_map(const char* data, int length) = 0;
  virtual void automap_walkfail(const char* data) = 0;
  virtual void automap_set_area_name(const char* data) = 0;
  virtual void automap_set_combat(bool on) = 0;
  virtual void automap_set_exits(int mask) = 0;
  virtual void automap_apply_visibility() = 0;
  virtual void direction_buttons_enable_all(bool on) = 0;
  virtual void direction_buttons_set_exits(int mask) = 0;
  virtual void status_display_hp(const char* data) = 0;
  virtual void status_display_enemyhp(const char* data) = 0;
  virtual void status_display_xpp(const char* data) = 0;
  virtual void status_display_show(bool on) = 0;
  virtual void status_display_set_show_flags(bool enemy, bool exp, bool hp) = 0;
  virtual void status_bar_update_sky_display(const char* data) = 0;
  virtual void status_bar_set_icons(const char* data) = 0;
  virtual void status_bar_add_ping_sample(int milliseconds) = 0;
  virtual void status_bar_show(bool on) = 0;
  virtual void sky_bar_show(bool on) = 0;
  virtual void group_parse_update_line(const char* data) = 0;
  virtual void soundpack_parse_audio_tag(const char* data) = 0;
  virtual void hint_buttons_blank_all() = 0;
  virtual void hint_buttons_setup_button(const char* name, const char* data) = 0;
  virtual void fkey_setup_button(const char* name, const char* data) = 0;
  virtual void fkey_set_label_shown(bool on) = 0;
  virtual void popup_create_window(const char* data) = 0;
  // The display of the popup window of that name, or null when there is none.
  virtual redirect_display* popup_find_display(const char* name) = 0;
  virtual void channel_set_divert_channel(const char* name) = 0;
  virtual void channel_clear_divert_channel() = 0;
};

class tag_dispatcher {
 public:
  static const int login_playing = 2;
  static const int login_creating = 1;
  static const int login_logging_off = 3;

  explicit tag_dispatcher(tag_handler& handler);

  // name: 1 to 63 characters; data: zero-terminated, empty for ";t" tags; length: data bytes.
  void process_tagged_data(const char* name, const char* data, int length);

  // Back to the main text without touching the old display (it may be gone: a disconnect
  // destroys the popup windows).
  void reset_redirection();

  redirect_display& current_output() { return *current; }
  bool channel_diversion() const { return channel_diverted; }

 private:
  void login(const char* data);
  void dirs(const char* data);
  void event(const char* data);
  void divert(const char* name, bool freeze);
  void undivert();
  void unappend();
  void channel_divert(const char* name);
  void channel_undivert();
  void vote_menu(const char* suffix, const char* data);
  // Leaves the current display for another one; a frozen display shows its text again first.
  void switch_output(redirect_display& display);
  bool setting(tag_setting which) { return handler.get_setting(which) != 0; }

  tag_handler& handler;
  redirect_display* current;
  // The display "divert" froze, until it is left again.
  redirect_display* frozen = nullptr;
  bool channel_diverted = false;
  int saved_scroll_position = 0;
};

// The dispatcher that the connection's tags reach: the main frame's while it lives, else none.
void set_active_tag_dispatcher(tag_dispatcher* dispatcher);
tag_dispatcher* active_tag_dispatcher();

// The number after a button tag's prefix: leading digits only, 0 when there are none.
int button_tag_number(const char* digits);
