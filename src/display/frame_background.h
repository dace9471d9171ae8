// The main frame's own client area behind the panels: the background pattern image, the logo
// and the game's web address under it.
#pragma once

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include "display/background_pattern.h"

class quor_bitmap;

class frame_background {
 public:
  frame_background() = default;
  ~frame_background();
  frame_background(const frame_background&) = delete;
  frame_background& operator=(const frame_background&) = delete;

  // Makes the image again when forced, when it is smaller than the client area, or when the
  // style or theme changed; otherwise keeps it.
  void regenerate(int client_width, int client_height, int style, int theme, bool forced);
  // Paints the image, the logo and the address for the layout, and records the logo area.
  void repaint_handler(wxDC& dc, int client_width, int client_height, int layout);

  const quor_bitmap* image() const { return background; }
  const wxRect& logo_rect() const { return logo_area; }
  // Strictly inside the logo area.
  bool logo_hit(int x, int y) const;

 private:
  quor_bitmap* background = nullptr;
  background_plan plan;
  wxFont address_font;
  wxRect logo_area;
};
