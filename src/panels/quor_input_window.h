// The framed panel at the bottom of the main frame that holds the command line.
#pragma once

#include "display/quor_embedded_window.h"
#include "panels/quor_line_edit.h"

class quor_input_window : public quor_embedded_window {
 public:
  static const int flash_steps = 16;
  static const int flash_step_ms = 200;

  quor_input_window(wxWindow* parent, const wxString& name, command_editor_frame& frame);

  quor_line_edit* line_edit() const { return edit; }
  void start_input_flash();

  void resize_handler(bool changed) override;
  void repaint_internal(quor_bitmap* bitmap) override;
  bool animation_callback(int elapsed_ms) override;

 private:
  void focus_handler(wxFocusEvent& event);
  void repaint_frame();

  quor_line_edit* edit;

  wxDECLARE_EVENT_TABLE();
};
