#include "app/quor_mw.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <wx/dcclient.h>
#include <wx/utils.h>

#include "app/app_globals.h"
#include "app/main_column.h"
#include "config/vconfig.h"
#include "display/animation_list.h"
#include "display/game_web_address.h"
#include "display/url_opening.h"
#include "display/theme_settings.h"
#include "panels/quor_input_window.h"
#include "util/debug_log.h"

wxBEGIN_EVENT_TABLE(quor_mw, quor_frame)
  EVT_TIMER(quor_mw::tick_timer_id, quor_mw::OnTimer)
  EVT_TIMER(quor_mw::ping_timer_id, quor_mw::OnPingTimer)
  EVT_TIMER(quor_mw::save_timer_id, quor_mw::OnSaveTimer)
  EVT_CLOSE(quor_mw::OnClose)
  EVT_SIZE(quor_mw::OnResize)
  EVT_PAINT(quor_mw::repaint_handler)
  EVT_ERASE_BACKGROUND(quor_mw::erase_handler)
  EVT_MOUSE_EVENTS(quor_mw::mouse_handler)
wxEND_EVENT_TABLE()

quor_mw::quor_mw(const wxString& title, const wxPoint& position, const wxSize& size)
    : quor_frame(nullptr, wxID_ANY, title, position, size),
      tick_timer(this, tick_timer_id),
      ping_timer(this, ping_timer_id),
      save_timer(this, save_timer_id),
      main_window(new quor_main_window(this, text_font)),
      game_connection(*main_window, *this) {
  main_frame = this;
  set_url_open_handler([](const char* url, void* frame) { static_cast<quor_mw*>(frame)->open_url(url); }, this);
  SetBackgroundColour(*wxBLACK);
  // The background image covers the whole client area; the toolkit must not clear it first.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  regenerate_background(false);
  // The map rebuild request's commands go the way typed commands go.
  main_window->send_command = [this](const char* line) { commands.send_command(line, true); };
  input_window = new quor_input_window(this, "main", commands);
  commands.set_input_window(input_window);
  commands.set_main_view(&main_view);
  set_active_tag_dispatcher(&commands.dispatcher());
  layout_panels();
  input_window->line_edit()->SetFocus();
  main_frame_ready = true;
  tick_timer.Start(20);
  ping_timer.Start(15000);
  save_timer.Start(300000);
}

quor_mw::~quor_mw() {
  tick_timer.Stop();
  ping_timer.Stop();
  save_timer.Stop();
  game_connection.get_socket().close();
  if (active_tag_dispatcher() == &commands.dispatcher()) set_active_tag_dispatcher(nullptr);
  commands.set_input_window(nullptr);
  set_url_open_handler(nullptr, nullptr);
  if (main_frame == this) main_frame = nullptr;
}

void quor_mw::system_shutdown_handler() {
  if (debug_level > 1) debug_log("quor_mw system_shutdown_handler.\n");
  shutdown.request();
}

void quor_mw::OnTimer(wxTimerEvent&) {
  if (!main_frame_ready) {
    if (debug_level > 1) debug_log("quor_mw::OnTimer() - constructor not finished?\n");
    return;
  }
  // The game socket: connects on the first tick, then reads, parses and writes.
  game_connection.socket_handler(client_uuid());
  // Flashes and other animations of the panels advance by one tick.
  animation_tick(20);
  // While playing, one status report per burst of setting changes.
  if (game_connection.is_playing() && game_connection.is_status_report_needed())
    game_connection.send_status_report(status_report_values());
  // A prompt without its newline reaches the line trigger after three ticks.
  show_pending_message();
  open_pending_url();
  partial_line.tick(*main_window);
  // The countdown comes last so a tick's other work finishes before the frame goes.
  step_shutdown();
}

void quor_mw::OnPingTimer(wxTimerEvent&) { game_connection.send_ping(); }

const char* quor_mw::client_uuid() const { return VConfig::instance().get_uuid(); }

status_report_settings quor_mw::status_report_values() const {
  status_report_settings s;
  const VConfig& config = VConfig::instance();
  s.sounds_enabled = config.get_system_audio_enable() != 0;
  s.voting_reminders = config.get_voting_reminders() != 0;
  const char_config* c = config.current_char_cfg();
  if (!c) return s;
  s.cmd_separator = c->cmd_separator != 0;
  s.direction_button_enable = c->direction_button_enable != 0;
  s.hint_button_enable = c->hint_button_enable != 0;
  s.fkey_button_display = c->fkey_button_display != 0;
  s.status_bar = c->status_bar != 0;
  s.sky_bar = c->sky_bar != 0;
  s.exp_display = c->exp_display != 0;
  s.hpbar_enable = c->hpbar_enable != 0;
  s.enemy_hpbar_enable = c->enemy_hpbar_enable != 0;
  s.popup_display = c->popup_display != 0;
  s.group_status_display = c->group_status_display;
  s.current_layout = c->current_layout;
  s.automap_display = c->automap_display != 0;
  s.automap_docked = c->automap_docked != 0;
  s.channel_window_enable = c->channel_window_enable != 0;
  s.channel_window_dupe = c->channel_window_dupe != 0;
  s.colorflash_enable = c->colorflash_enable != 0;
  s.font_colors_setting = c->font_colors_setting;
  s.current_theme = c->current_theme;
  s.current_background_theme = c->current_background_theme;
  s.theme_bg_setting = c->theme_bg_setting;
  return s;
}

void quor_mw::ring_bell() { wxBell(); }

void quor_mw::set_password_mode(bool on) {
  if (debug_level > 2) debug_log("quor_mw - password mode %s.\n", on ? "on" : "off");
  commands.set_password_mode(on);
}

// A fresh connection starts with no server-defined hints.
void quor_mw::connect_starting() { commands.get_panels().hint_buttons.blank_all(); }

void quor_mw::connect_succeeded() { commands.connection_opened(); }

// Everything the server drove goes back to its disconnected look.
void quor_mw::drop_resetting() {
  SetTitle("Vandrel");
  commands.connection_dropped();
  quor_panels& panels = commands.get_panels();
  panels.automap.apply_visibility();
  panels.fkeys.set_label_shown(false);
  panels.status_bar.reset();
  panels.status_display.reset();
  panels.group_display.reset();
}

void quor_mw::drop_finished() {
  quor_panels& panels = commands.get_panels();
  panels.direction_buttons.enable_all(false);
  panels.hint_buttons.set_disconnected_defaults();
  panels.automap.reset();
  panels.popups.save_and_close_all();
  layout_panels();
  Refresh();
}

void quor_mw::step_shutdown() {
  switch (shutdown.step()) {
    case shutdown_countdown::step_result::nothing:
      return;
    case shutdown_countdown::step_result::force_exit:
      if (debug_level > 1) debug_log("quor_mw::shutdown - exit forced.\n");
      fflush(nullptr);
      _exit(0);
    case shutdown_countdown::step_result::close_now:
      if (debug_level > 1) debug_log("quor_mw::shutdown - requested exit\n");
      close_down();
      return;
  }
}

void quor_mw::close_down() {
  tick_timer.Stop();
  VConfig::instance().save_system_config_file();
  Destroy();
}

// At most five minutes of setting changes are lost if the process is killed.
void quor_mw::OnSaveTimer(wxTimerEvent&) { VConfig::instance().save_system_config_file(); }

void quor_mw::verify_exit() { system_shutdown_handler(); }

void quor_mw::OnClose(wxCloseEvent& event) {
  if (shutdown.value() != 1 && event.CanVeto()) {
    event.Veto();
    verify_exit();
    return;
  }
  close_down();
}

void quor_mw::OnResize(wxSizeEvent& event) {
  event.Skip();
  if (!main_frame_ready) {
    if (debug_level > 1)
      debug_log("quor_mw::OnResize() - windows bug triggered, constructor not yet finished.  Ignoring.\n");
    return;
  }
  wxSize client = GetClientSize();
  if (client.GetWidth() == last_layout_width && client.GetHeight() == last_layout_height) {
    if (debug_level > 1) debug_log("quor_mw::OnResize() - ignoring double resize.\n");
    return;
  }
  if (client.GetWidth() > 0 && client.GetHeight() > 0) {
    last_layout_width = client.GetWidth();
    last_layout_height = client.GetHeight();
  }
  regenerate_background(false);
  layout_panels();
  Refresh();
}

// Until the full layout exists: the input window along the bottom edge.
void quor_mw::layout_panels() {
  place_main_window();
  if (!input_window) return;
  wxSize client = GetClientSize();
  int height = std::max(VConfig::instance().get_input_height(), 24);
  input_window->set_geometry(0, std::max(client.GetHeight() - height, 0), client.GetWidth(), height);
}

void quor_mw::place_main_window() {
  wxSize client = GetClientSize();
  int width = client.GetWidth() > 0 ? client.GetWidth() : last_layout_width;
  int height = client.GetHeight() > 0 ? client.GetHeight() : last_layout_height;
  main_column_settings settings;
  if (const char_config* c = VConfig::instance().current_char_cfg()) {
    settings.direction_buttons = c->direction_button_enable != 0;
    settings.hint_buttons = c->hint_button_enable != 0;
    settings.layout = c->current_layout;
    settings.group_display = c->group_status_display != 0;
  }
  main_column column = main_column_edges(width, settings);
  int bottom = height - (input_window ? std::max(VConfig::instance().get_input_height(), 24) : 0);
  main_window->set_geometry(column.left, 0, column.right - column.left, bottom);
  main_window->follow_end();
}

void quor_mw::regenerate_background(bool forced) {
  theme_settings settings = current_theme_settings();
  wxSize client = GetClientSize();
  background.regenerate(client.GetWidth(), client.GetHeight(), settings.background_style, settings.background_theme,
                        forced);
}

void quor_mw::repaint_handler(wxPaintEvent&) {
  wxPaintDC dc(this);
  wxSize client = GetClientSize();
  background.repaint_handler(dc, client.GetWidth(), client.GetHeight(), current_theme_settings().layout);
}

// The paint handler covers everything; clearing first would only flicker.
void quor_mw::erase_handler(wxEraseEvent&) {}

void quor_mw::show_pending_message() {
  if (!message_to_show.is_waiting()) return;
  game_connection.end_current_line();
  main_window->output_text(message_to_show.text());
  main_window->refresh();
  message_to_show.clear();
}

void quor_mw::open_pending_url() {
  std::string url;
  if (url_to_open.take(url)) start_browser_with_fallback(url.c_str(), message_to_show);
}

// A left click on the logo opens the game's web page at once.
void quor_mw::mouse_handler(wxMouseEvent& event) {
  event.Skip();
  if (!event.LeftIsDown() || !background.logo_hit(event.GetX(), event.GetY())) return;
  std::string url = std::string("http://") + game_web_host + "/?vc";
  if (!start_browser_with_fallback(url.c_str(), message_to_show)) return;
  game_connection.end_current_line();
  main_window->output_text("\n");
  main_window->output_text("\nOpening the main Vandrel web page in your browser...");
  main_window->output_text("\n");
  main_window->refresh();
}
