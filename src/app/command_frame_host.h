// The main frame's side of the command line and the tags: runs send_command and the tag
// dispatch, and carries their actions to the connection, the settings, the input window and
// the panels.
#pragma once

#include <ctime>

#include "app/command_host.h"
#include "app/command_line_editor.h"
#include "app/command_processor.h"
#include "app/config_commands.h"
#include "net/tag_dispatcher.h"
#include "panels/quor_panels.h"

class quor_mw;
class quor_input_window;

// What the commands, keys and tags need from the main text beyond text_output: its view,
// selection and freezing. The text display plugs in here; without it each use is logged.
class main_text_view {
 public:
  virtual ~main_text_view() = default;
  virtual bool is_held();
  virtual void hold_view();
  virtual void page_up();
  virtual void page_down();
  virtual void scroll_up(int lines);
  virtual void scroll_down(int lines);
  virtual bool has_selection();
  virtual void reset_selection();
  virtual void clear_display();
  virtual void debug_fill();
  virtual void suspend_updates();
  virtual void resume_updates();
  virtual int get_scroll_position();
  virtual void set_scroll_position(int position);
  virtual void start_color_flash(const char* arguments);
  virtual void start_border_flash();
  virtual void step_font_size(int delta);
};

class command_frame_host : private command_host,
                           private config_command_host,
                           private tag_handler,
                           public command_editor_frame {
 public:
  command_frame_host(quor_mw& frame, text_output& main_text);

  void send_command(const char* text, bool echo) override { processor.send_command(text, echo); }
  void process_tagged_data(const char* name, const char* data, int length) override {
    tags.process_tagged_data(name, data, length);
  }
  void set_input_window(quor_input_window* window) { input = window; }
  void set_main_view(main_text_view* view) { main_view = view ? view : &no_main_view; }
  // A dropped connection: text goes to the main window again, history set 0.
  void connection_dropped();
  void connection_opened();
  void set_password_mode(bool on) override;
  time_t get_login_time() const { return login_time; }
  time_t get_last_command_time() const { return last_command_time; }
  quor_panels& get_panels() { return panels; }
  tag_dispatcher& dispatcher() { return tags; }

 private:
  // The main text as output redirection sees it.
  class main_redirect : public redirect_display {
   public:
    explicit main_redirect(command_frame_host& host) : host(host) {}
    text_output& output() override { return host.main_text(); }
    void suspend_updates() override { host.main_view->suspend_updates(); }
    void resume_updates() override { host.main_view->resume_updates(); }
    void clear_display() override { host.main_view->clear_display(); }
    int get_scroll_position() override { return host.main_view->get_scroll_position(); }
    void set_scroll_position(int position) override { host.main_view->set_scroll_position(position); }
    void view_end() override { host.main_text().follow_end(); }
    void start_color_flash(const char* arguments) override { host.main_view->start_color_flash(arguments); }

   private:
    command_frame_host& host;
  };

  void setting_changed();

  // command_host
  text_output& main_text() override { return main_output; }
  bool is_connected() override;
  bool is_playing() override;
  void send_line(const char* text) override;
  void socket_connect(int port) override;
  void drop_connection(const char* message) override;
  void send_ping() override;
  void note_command_time() override { last_command_time = time(nullptr); }
  void system_shutdown_handler() override;
  bool password_mode() override;
  bool local_echo() override;
  bool cmd_separator() override;
  void show_keyboard_help() override;
  void show_version() override;
  void show_history() override;
  void clear_display() override;
  void clear_channel_windows() override;
  void debug_fill() override;

  // config_command_host
  int get_automap_display() override;
  void set_automap_display(int value) override;
  void set_hint_button_enable(int value) override;
  void set_fkey_button_display(int value) override;
  void set_hpbar_enable(int value) override;
  void set_popup_display(int value) override;
  void set_direction_button_enable(int value) override;
  void set_exp_display(int value) override;
  void flash_automap() override { panels.automap.start_flash(); }
  void flash_hint_buttons() override { panels.hint_buttons.start_flash(); }
  void flash_status_display() override { panels.status_display.start_flash(); }
  void flash_popup_buttons() override { panels.popups.start_flash(); }
  void flash_main_window() override { main_view->start_border_flash(); }
  void flash_input_window() override;

  // tag_handler
  int get_setting(tag_setting which) override;
  void set_title(const char* title) override;
  void select_char_config(const char* name) override;
  void set_login_time_now() override { login_time = time(nullptr); }
  void set_login_state(int state) override;
  void relayout() override;
  void request_status_report() override;
  void set_uuid(const char* text) override;
  long long ping_elapsed_ms() override;
  void config_command(const char* line) override { config_cmd_process(line, *this); }
  void setup_vote_menu(const char* suffix, const char* data) override;
  void rebuild_vote_menu() override;
  void set_current_output(redirect_display& display) override;
  void set_channel_diversion(bool on) override;
  redirect_display& main_display() override { return main_target; }
  void select_history(int set) override;
  void automap_parse_map(const char* data, int length) override { panels.automap.parse_map(data, length); }
  void automap_walkfail(const char* data) override { panels.automap.walkfail(data); }
  void automap_set_area_name(const char* data) override { panels.automap.set_area_name(data); }
  void automap_set_combat(bool on) override { panels.automap.set_combat(on); }
  void automap_set_exits(int mask) override { panels.automap.set_exits(mask); }
  void automap_apply_visibility() override { panels.automap.apply_visibility(); }
  void direction_buttons_enable_all(bool on) override { panels.direction_buttons.enable_all(on); }
  void direction_buttons_set_exits(int mask) override { panels.direction_buttons.set_exits(mask); }
  void status_display_hp(const char* data) override { panels.status_display.parse_hp(data); }
  void status_display_enemyhp(const char* data) override { panels.status_display.parse_enemyhp(data); }
  void status_display_xpp(const char* data) override { panels.status_display.parse_xpp(data); }
  void status_display_show(bool on) override { panels.status_display.show(on); }
  void status_display_set_show_flags(bool enemy, bool exp, bool hp) override {
    panels.status_display.set_show_flags(enemy, exp, hp);
  }
  void status_bar_update_sky_display(const char* data) override { panels.status_bar.update_sky_display(data); }
  void status_bar_set_icons(const char* data) override { panels.status_bar.set_icon_flags(data); }
  void status_bar_add_ping_sample(int milliseconds) override { panels.status_bar.add_ping_sample(milliseconds); }
  void status_bar_show(bool on) override { panels.status_bar.show(on); }
  void sky_bar_show(bool on) override { panels.status_bar.show_sky_bar(on); }
  void group_parse_update_line(const char* data) override { panels.group_display.parse_update_line(data); }
  void soundpack_parse_audio_tag(const char* data) override { panels.soundpack.parse_audio_tag(data); }
  void hint_buttons_blank_all() override { panels.hint_buttons.blank_all(); }
  void hint_buttons_setup_button(const char* name, const char* data) override {
    panels.hint_buttons.setup_button(name, data);
  }
  void fkey_setup_button(const char* name, const char* data) override { panels.fkeys.setup_button(name, data); }
  void fkey_set_label_shown(bool on) override { panels.fkeys.set_label_shown(on); }
  void popup_create_window(const char* data) override { panels.popups.create_window(data); }
  redirect_display* popup_find_display(const char* name) override { return panels.popups.find_display(name); }
  void channel_set_divert_channel(const char* name) override { panels.channel_window.set_divert_channel(name); }
  void channel_clear_divert_channel() override { panels.channel_window.clear_divert_channel(); }

  // command_editor_frame (send_command above)
  bool main_view_held() override { return main_view->is_held(); }
  void main_follow_end() override { main_output.follow_end(); }
  void main_hold_view() override { main_view->hold_view(); }
  void main_page_up() override { main_view->page_up(); }
  void main_page_down() override { main_view->page_down(); }
  void main_scroll_up(int lines) override { main_view->scroll_up(lines); }
  void main_scroll_down(int lines) override { main_view->scroll_down(lines); }
  bool main_has_selection() override { return main_view->has_selection(); }
  void main_reset_selection() override { main_view->reset_selection(); }
  bool channel_following() override { return panels.channel_window.current_is_following(); }
  void channel_follow_end() override { panels.channel_window.current_follow_end(); }
  void channel_reset_selection() override { panels.channel_window.current_reset_selection(); }
  void toggle_popup(int number) override { panels.popups.toggle_by_position(number); }
  void automap_cell_step(int delta) override { panels.automap.step_cell_size(delta); }
  int get_setting(editor_setting which) override;
  void set_setting(editor_setting which, int value) override;

  quor_mw& frame;
  text_output& main_output;
  main_text_view no_main_view;
  main_text_view* main_view = &no_main_view;
  main_redirect main_target{*this};
  quor_input_window* input = nullptr;
  quor_panels panels;
  command_processor processor{*this};
  tag_dispatcher tags{*this};
  time_t login_time = 0;
  time_t last_command_time = 0;
};
