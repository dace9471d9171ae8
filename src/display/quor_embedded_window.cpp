#include "display/quor_embedded_window.h"

#include <algorithm>
#include <wx/dcclient.h>

#include "display/quor_bitmap.h"
#include "util/debug_log.h"

wxBEGIN_EVENT_TABLE(quor_embedded_window, wxWindow)
  EVT_PAINT(quor_embedded_window::paint_handler)
  EVT_SIZE(quor_embedded_window::size_swallower)
  EVT_ERASE_BACKGROUND(quor_embedded_window::erase_swallower)
wxEND_EVENT_TABLE()

quor_embedded_window::quor_embedded_window(wxWindow* parent, wxWindowID id, const wxPoint& position,
                                           const wxSize& size, long style, const wxString& name)
    : wxWindow(parent, id, position, size, style, name) {
  // The back buffer covers every pixel, so the toolkit must not clear the window first.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  wxSize initial = GetSize();
  buffer = new quor_bitmap(std::max(initial.GetWidth(), 1), std::max(initial.GetHeight(), 1));
}

quor_embedded_window::~quor_embedded_window() {
  stop_animation(this);
  delete buffer;
  buffer = nullptr;
}

bool quor_embedded_window::animation_callback(int) {
  if (debug_level > 0)
    debug_log("Error in quor_embedded_window::animation_callback(), this handler should never be called.\n");
  return false;
}

bool quor_embedded_window::apply_size(int width, int height) {
  wxSize current = GetSize();
  bool changed = width != current.GetWidth() || height != current.GetHeight();
  if (changed || buffer->GetWidth() != width || buffer->GetHeight() != height) {
    delete buffer;
    buffer = new quor_bitmap(width, height);
  }
  return changed;
}

void quor_embedded_window::set_geometry(int x, int y, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  bool changed = apply_size(width, height);
  SetSize(x, y, width, height);
  resize_handler(changed);
}

void quor_embedded_window::set_size(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  bool changed = apply_size(width, height);
  SetSize(width, height);
  resize_handler(changed);
}

void quor_embedded_window::force_resize() { resize_handler(true); }

void quor_embedded_window::redraw_now() {
  if (!IsShown()) return;
  repaint_internal(buffer);
  wxClientDC dc(this);
  dc.DrawBitmap(*buffer, 0, 0);
}

void quor_embedded_window::paint_handler(wxPaintEvent&) {
  wxPaintDC dc(this);  // a paint event must always be answered with a paint context
  if (!IsShown()) return;
  repaint_internal(buffer);
  dc.DrawBitmap(*buffer, 0, 0);
}

void quor_embedded_window::size_swallower(wxSizeEvent&) {}

void quor_embedded_window::erase_swallower(wxEraseEvent&) {}
