// The client's one main frame: coordinates the connection, the panels and the timers.
#pragma once

#include <wx/timer.h>

#include "app/command_frame_host.h"
#include "app/command_main_view.h"
#include "app/pending_actions.h"
#include "app/quor_frame.h"
#include "app/shutdown_countdown.h"
#include "display/frame_background.h"
#include "display/partial_line_ticker.h"
#include "display/quor_main_window.h"
#include "net/game_connection.h"

class quor_mw : public quor_frame, private game_connection_host {
 public:
  quor_mw(const wxString& title, const wxPoint& position, const wxSize& size);
  ~quor_mw() override;

  // Every "quit now" path ends here.
  void system_shutdown_handler();
  bool is_ready() const { return main_frame_ready; }
  int shutdown_value() const { return shutdown.value(); }
  quor_game_connection& connection() { return game_connection; }
  // Every command line of the client goes through here.
  void send_command(const char* text, bool echo) { commands.send_command(text, echo); }
  void process_tagged_data(const char* name, const char* data, int length) {
    commands.process_tagged_data(name, data, length);
  }
  // Queues a clicked link for the next tick, so the click handler returns at once.
  void open_url(const char* url) { url_to_open.open_url(url); }
  // Places the panels that exist in the client area.
  void layout_panels();

 private:
  enum { tick_timer_id = 6129, ping_timer_id = 6130 };
  enum { save_timer_id = 6131 };

  void OnTimer(wxTimerEvent& event);
  void OnPingTimer(wxTimerEvent& event);
  void OnSaveTimer(wxTimerEvent& event);
  void OnClose(wxCloseEvent& event);
  void OnResize(wxSizeEvent& event);
  void repaint_handler(wxPaintEvent& event);
  void erase_handler(wxEraseEvent& event);
  void mouse_handler(wxMouseEvent& event);
  // Tick steps: a queued client message, then a clicked link.
  void show_pending_message();
  void open_pending_url();
  // Remakes the background image when it no longer fits the client area or the look changed.
  void regenerate_background(bool forced);
  // The main text fills the main column above the input window and follows the newest text.
  void place_main_window();

  void verify_exit();
  void step_shutdown();
  // The last steps of an orderly exit: save what must survive, then destroy the frame.
  void close_down();

  // The connection's view of the frame.
  void ring_bell() override;
  void set_password_mode(bool on) override;
  void connect_starting() override;
  void connect_succeeded() override;
  void drop_resetting() override;
  void drop_finished() override;
  const char* client_uuid() const;
  status_report_settings status_report_values() const;

  wxTimer tick_timer;
  wxTimer ping_timer;
  wxTimer save_timer;
  // The main text window; a child window, so the toolkit destroys it with the frame.
  quor_main_window* main_window;
  quor_game_connection game_connection;
  command_frame_host commands{*this, *main_window};
  command_main_view main_view{*main_window};
  quor_input_window* input_window = nullptr;
  shutdown_countdown shutdown;
  partial_line_ticker partial_line;
  frame_background background;
  // A clicked link and a client message wait here for the next tick.
  pending_url url_to_open;
  pending_message message_to_show;
  bool main_frame_ready = false;
  int last_layout_width = -1;
  int last_layout_height = -1;

  wxDECLARE_EVENT_TABLE();
};
