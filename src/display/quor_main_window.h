// The main game text window: runs the line trigger and holds the docked panels.
#pragma once

#include <functional>

#include "display/quor_ansi_display.h"

class quor_main_window : public quor_ansi_display {
 public:
  quor_main_window(wxWindow* parent, const quor_font* font);

  void line_received(const char* line) override;
  void resize_handler(bool changed) override;

  // Where the trigger's commands go (the command path, echo allowed).
  std::function<void(const char*)> send_command;
  // Docked inside the text control when the frame places them there; may be null.
  wxWindow* automap_display = nullptr;
  wxWindow* group_display = nullptr;
};
