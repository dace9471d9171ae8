#include "panels/quor_input_window.h"

#include <algorithm>

#include "display/quor_bitmap.h"

wxBEGIN_EVENT_TABLE(quor_input_window, quor_embedded_window)
  EVT_SET_FOCUS(quor_input_window::focus_handler)
wxEND_EVENT_TABLE()

quor_input_window::quor_input_window(wxWindow* parent, const wxString& name, command_editor_frame& frame)
    : quor_embedded_window(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, name),
      edit(new quor_line_edit(this, name, frame)) {}

void quor_input_window::resize_handler(bool) {
  wxSize size = GetClientSize();
  edit->SetSize(2, 1, std::max(size.GetWidth() - 4, 1), std::max(size.GetHeight() - 2, 1));
  repaint_frame();
}

void quor_input_window::repaint_internal(quor_bitmap* bitmap) {
  bitmap->Clear(color_black);
  int width = bitmap->GetWidth();
  int height = bitmap->GetHeight();
  if (animation_state.active()) {
    quor_rgb lit = animation_state.phase() ? color_white : color_black;
    bitmap->DrawFrame(width, height, quor_bitmap::frame_all, &lit);
  } else {
    bitmap->DrawFrame(width, height, quor_bitmap::frame_all);
  }
}

void quor_input_window::start_input_flash() {
  animation_state.reset(flash_steps, flash_step_ms);
  start_animation(this);
  repaint_frame();
}

bool quor_input_window::animation_callback(int elapsed_ms) {
  animation_state.advance(elapsed_ms);
  if (animation_state.changed()) repaint_frame();
  return animation_state.active();
}

// A direct blit would paint the black middle of the back buffer over the command line and
// hide its text until the next keystroke; a paint event draws the frame beneath the control.
void quor_input_window::repaint_frame() { Refresh(false); }

// The panel itself takes no typing: the command line does.
void quor_input_window::focus_handler(wxFocusEvent&) { edit->SetFocus(); }
