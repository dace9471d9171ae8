#include "app/quor_mw.h"

#include <cstdio>
#include <unistd.h>

#include "app/app_globals.h"
#include "util/debug_log.h"

wxBEGIN_EVENT_TABLE(quor_mw, quor_frame)
  EVT_TIMER(quor_mw::tick_timer_id, quor_mw::OnTimer)
  EVT_CLOSE(quor_mw::OnClose)
  EVT_SIZE(quor_mw::OnResize)
wxEND_EVENT_TABLE()

quor_mw::quor_mw(const wxString& title, const wxPoint& position, const wxSize& size)
    : quor_frame(nullptr, wxID_ANY, title, position, size), tick_timer(this, tick_timer_id) {
  main_frame = this;
  SetBackgroundColour(*wxBLACK);
  main_frame_ready = true;
  tick_timer.Start(20);
}

quor_mw::~quor_mw() {
  tick_timer.Stop();
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
  // The countdown comes last so a tick's other work finishes before the frame goes.
  step_shutdown();
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
  Destroy();
}

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
  Refresh();
}
