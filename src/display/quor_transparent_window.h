// Base of the managers that draw buttons and tabs onto a parent window without being windows
// themselves (button bars, channel window, popup manager).
#pragma once

class wxWindow;

class quor_transparent_window {
 public:
  explicit quor_transparent_window(wxWindow* parent_window = nullptr) : parent(parent_window) {}
  virtual ~quor_transparent_window() = default;

  virtual void show(bool flag) { shown = flag ? 1 : 0; }
  virtual void layout() = 0;
  virtual void redraw_buttons() = 0;

  int x = 0;
  int y = 0;
  int width = 10;
  int height = 10;
  int shown = 1;
  wxWindow* parent;
};
