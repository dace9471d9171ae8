// Base of every custom-drawn panel: the panel draws itself whole into a back buffer, which is the
// only thing ever painted on screen, so partial updates never flicker.
#pragma once

#include <wx/window.h>

#include "display/animation_list.h"

class quor_bitmap;

class quor_embedded_window : public wxWindow, public animation_client {
 public:
  quor_embedded_window(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& position = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize, long style = 0, const wxString& name = wxPanelNameStr);
  ~quor_embedded_window() override;

  // Lay out children and caches after a size change; `changed` is true when the size really
  // changed or the resize was forced.
  virtual void resize_handler(bool changed) = 0;
  // The base is never meant to animate: logs and leaves the list.
  bool animation_callback(int elapsed_ms) override;
  // Sizes below 1 become 1; a new size gets a new back buffer.
  virtual void set_geometry(int x, int y, int width, int height);
  virtual void set_size(int width, int height);
  virtual void force_resize();
  // Draw the whole window into the back buffer.
  virtual void repaint_internal(quor_bitmap* bitmap) = 0;

  // Repaints into the back buffer and shows it at once (nothing while hidden).
  void redraw_now();
  quor_bitmap* back_buffer() const { return buffer; }

 private:
  void paint_handler(wxPaintEvent& event);
  void size_swallower(wxSizeEvent& event);
  void erase_swallower(wxEraseEvent& event);
  // Sizes the back buffer; true when the window's size changed.
  bool apply_size(int width, int height);

  quor_bitmap* buffer = nullptr;

  wxDECLARE_EVENT_TABLE();
};
