#include "app/command_frame_host.h"

#include <wx/menu.h>

#include "app/quor_mw.h"
#include "app/vote_menu.h"
#include "config/vconfig.h"
#include "panels/quor_input_window.h"
#include "util/debug_log.h"

namespace {

void not_built(const char* what) {
  if (debug_level > 1) debug_log("quor_mw::%s() - not built yet.\n", what);
}

VConfig& config() { return VConfig::instance(); }

}  // namespace

bool main_text_view::is_held() { return false; }
void main_text_view::hold_view() { not_built("hold_view"); }
void main_text_view::page_up() { not_built("page_up"); }
void main_text_view::page_down() { not_built("page_down"); }
void main_text_view::scroll_up(int) { not_built("scroll_up"); }
void main_text_view::scroll_down(int) { not_built("scroll_down"); }
bool main_text_view::has_selection() { return false; }
void main_text_view::reset_selection() { not_built("reset_selection"); }
void main_text_view::clear_display() { not_built("clear_display"); }
void main_text_view::debug_fill() { not_built("debug_fill"); }
void main_text_view::suspend_updates() { not_built("suspend_updates"); }
void main_text_view::resume_updates() { not_built("resume_updates"); }
int main_text_view::get_scroll_position() { return 0; }
void main_text_view::set_scroll_position(int) { not_built("set_scroll_position"); }
void main_text_view::start_color_flash(const char*) { not_built("start_color_flash"); }
void main_text_view::start_border_flash() { not_built("start_border_flash"); }
void main_text_view::step_font_size(int) { not_built("step_font_size"); }

command_frame_host::command_frame_host(quor_mw& frame, text_output& main_text) : frame(frame), main_output(main_text) {}

void command_frame_host::connection_opened() { select_history(1); }

void command_frame_host::connection_dropped() {
  select_history(0);
  // The popup windows go with the connection: nothing may keep pointing at them.
  tags.reset_redirection();
}

void command_frame_host::set_password_mode(bool on) {
  if (input) input->line_edit()->set_hidden_input(on);
}

// The setters do not yet keep menu marks and layout in step; the server learns the change.
void command_frame_host::setting_changed() {
  frame.connection().request_status_report();
  relayout();
}

bool command_frame_host::is_connected() { return frame.connection().is_connected(); }
bool command_frame_host::is_playing() { return frame.connection().is_playing(); }
void command_frame_host::send_line(const char* text) { frame.connection().send_line(text); }
void command_frame_host::socket_connect(int port) { frame.connection().socket_connect(port, config().get_uuid()); }
void command_frame_host::drop_connection(const char* message) { frame.connection().drop_connection(message); }
void command_frame_host::send_ping() { frame.connection().send_ping(); }
void command_frame_host::system_shutdown_handler() { frame.system_shutdown_handler(); }
bool command_frame_host::password_mode() { return input && input->line_edit()->hidden_input(); }
bool command_frame_host::local_echo() { return config().get_local_echo() != 0; }
bool command_frame_host::cmd_separator() { return config().get_cmd_separator() != 0; }
void command_frame_host::show_keyboard_help() { not_built("show_keyboard_help"); }
void command_frame_host::show_version() { not_built("show_version"); }
void command_frame_host::clear_display() { main_view->clear_display(); }
void command_frame_host::clear_channel_windows() { panels.channel_window.clear_all_channels(); }
void command_frame_host::debug_fill() { main_view->debug_fill(); }

void command_frame_host::show_history() {
  if (!input) return;
  main_output.follow_end();
  main_output.reset_colors();
  main_output.output_text(input->line_edit()->show_history().c_str());
  main_output.refresh();
}

int command_frame_host::get_automap_display() { return config().get_automap_display(); }

void command_frame_host::set_automap_display(int value) {
  config().set_automap_display(value);
  panels.automap.apply_visibility();
  setting_changed();
}

void command_frame_host::set_hint_button_enable(int value) {
  config().set_hint_button_enable(value);
  setting_changed();
}

void command_frame_host::set_fkey_button_display(int value) {
  config().set_fkey_button_display(value);
  setting_changed();
}

void command_frame_host::set_hpbar_enable(int value) {
  config().set_hpbar_enable(value);
  setting_changed();
}

void command_frame_host::set_popup_display(int value) {
  config().set_popup_display(value);
  setting_changed();
}

void command_frame_host::set_direction_button_enable(int value) {
  config().set_direction_button_enable(value);
  setting_changed();
}

void command_frame_host::set_exp_display(int value) {
  config().set_exp_display(value);
  setting_changed();
}

void command_frame_host::flash_input_window() {
  if (input) input->start_input_flash();
}

int command_frame_host::get_setting(tag_setting which) {
  switch (which) {
    case tag_setting::status_bar: return config().get_status_bar();
    case tag_setting::sky_bar: return config().get_sky_bar();
    case tag_setting::hpbar_enable: return config().get_hpbar_enable();
    case tag_setting::exp_display: return config().get_exp_display();
    case tag_setting::enemy_hpbar_enable: return config().get_enemy_hpbar_enable();
    case tag_setting::colorflash_enable: return config().get_colorflash_enable();
    case tag_setting::system_audio_enable: return config().get_system_audio_enable();
  }
  return 0;
}

void command_frame_host::set_title(const char* title) { frame.SetTitle(wxString::From8BitData(title)); }

void command_frame_host::select_char_config(const char* name) {
  ::select_char_config(name);
  // Menu marks and the panels' fonts follow the new settings once the menus exist.
  not_built("apply_menu_marks");
}

void command_frame_host::set_login_state(int state) { frame.connection().set_login_state(state); }

void command_frame_host::relayout() { frame.layout_panels(); }

void command_frame_host::request_status_report() { frame.connection().request_status_report(); }

void command_frame_host::set_uuid(const char* text) { ::set_uuid(text); }

long long command_frame_host::ping_elapsed_ms() { return frame.connection().ping_elapsed_ms(); }

void command_frame_host::setup_vote_menu(const char* suffix, const char* data) {
  ::setup_vote_menu(config(), suffix, data);
}

// Only an existing "&Vote" menu is replaced; otherwise the entries appear at the next start.
void command_frame_host::rebuild_vote_menu() {
  wxMenuBar* bar = frame.GetMenuBar();
  if (!bar) return;
  int position = bar->FindMenu("&Vote");
  if (position == wxNOT_FOUND) return;
  delete bar->Remove((size_t)position);
  std::vector<vote_menu_item> items = build_vote_menu(config());
  if (items.empty()) return;
  wxMenu* menu = new wxMenu;
  for (const vote_menu_item& item : items) {
    switch (item.kind) {
      case vote_menu_item::item:
        menu->Append(item.id, wxString::From8BitData(item.label.c_str()));
        break;
      case vote_menu_item::separator:
        menu->AppendSeparator();
        break;
      case vote_menu_item::check:
        menu->AppendCheckItem(item.id, wxString::From8BitData(item.label.c_str()));
        menu->Check(item.id, item.checked);
        break;
    }
  }
  bar->Insert((size_t)position, menu, "&Vote");
}

void command_frame_host::set_current_output(redirect_display& display) {
  frame.connection().set_current_output(&display.output());
}

void command_frame_host::set_channel_diversion(bool on) {
  // Until the channel window exists its text stays in the main text.
  if (debug_level > 2) debug_log("quor_mw - channel diversion %s (channel window not built yet).\n", on ? "on" : "off");
}

void command_frame_host::select_history(int set) {
  if (input) input->line_edit()->select_history(set);
}

int command_frame_host::get_setting(editor_setting which) {
  switch (which) {
    case editor_setting::keypad_walking: return config().get_keypad_walking();
    case editor_setting::cmd_pushthrough: return config().get_cmd_pushthrough();
    case editor_setting::locking_scrollback_enable: return config().get_locking_scrollback_enable();
    case editor_setting::font_size: return config().get_default_font_size();
    case editor_setting::channel_window_height: return config().get_channel_window_height();
    case editor_setting::input_height: return config().get_input_height();
    case editor_setting::automap_display: return config().get_automap_display();
    case editor_setting::group_status_display: return config().get_group_status_display();
    case editor_setting::hpbar_enable: return config().get_hpbar_enable();
    case editor_setting::enemy_hpbar_enable: return config().get_enemy_hpbar_enable();
    case editor_setting::exp_display: return config().get_exp_display();
    case editor_setting::fkey_button_display: return config().get_fkey_button_display();
    case editor_setting::popup_display: return config().get_popup_display();
    case editor_setting::mw_scrollbar_enable: return config().get_mw_scrollbar_enable();
  }
  return 0;
}

void command_frame_host::set_setting(editor_setting which, int value) {
  switch (which) {
    case editor_setting::keypad_walking: config().set_keypad_walking(value); return;
    case editor_setting::cmd_pushthrough: config().set_cmd_pushthrough(value); return;
    case editor_setting::locking_scrollback_enable: config().set_locking_scrollback_enable(value); return;
    // The text font belongs to the text display.
    case editor_setting::font_size: main_view->step_font_size(value - config().get_default_font_size()); return;
    case editor_setting::channel_window_height: config().set_channel_window_height(value); break;
    case editor_setting::input_height: config().set_input_height(value); break;
    case editor_setting::automap_display: set_automap_display(value); return;
    case editor_setting::group_status_display: config().set_group_status_display(value); break;
    case editor_setting::hpbar_enable: config().set_hpbar_enable(value); break;
    case editor_setting::enemy_hpbar_enable: config().set_enemy_hpbar_enable(value); break;
    case editor_setting::exp_display: config().set_exp_display(value); break;
    case editor_setting::fkey_button_display: config().set_fkey_button_display(value); break;
    case editor_setting::popup_display: config().set_popup_display(value); break;
    case editor_setting::mw_scrollbar_enable: config().set_mw_scrollbar_enable(value); break;
  }
  setting_changed();
}
