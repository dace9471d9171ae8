// The client's one main frame: coordinates the connection, the panels and the timers.
#pragma once

#include <wx/timer.h>

#include "app/quor_frame.h"
#include "app/shutdown_countdown.h"

class quor_mw : public quor_frame {
 public:
  quor_mw(const wxString& title, const wxPoint& position, const wxSize& size);
  ~quor_mw() override;

  // Every "quit now" path ends here.
  void system_shutdown_handler();
  bool is_ready() const { return main_frame_ready; }
  int shutdown_value() const { return shutdown.value(); }

 private:
  enum { tick_timer_id = 6129 };

  void OnTimer(wxTimerEvent& event);
  void OnClose(wxCloseEvent& event);
  void OnResize(wxSizeEvent& event);

  void verify_exit();
  void step_shutdown();
  // The last steps of an orderly exit: save what must survive, then destroy the frame.
  void close_down();

  wxTimer tick_timer;
  shutdown_countdown shutdown;
  bool main_frame_ready = false;
  int last_layout_width = -1;
  int last_layout_height = -1;

  wxDECLARE_EVENT_TABLE();
};
