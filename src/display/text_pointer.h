// The mouse in a text window: hit testing, drag selection with drag scrolling, copying the
// selection on every change, link clicks and the wheel; toolkit-free so it can be tested.
#pragma once

#include <string>

#include "display/text_store.h"

struct text_position {
  int line = 0;
  int offset = 0;
  bool operator==(const text_position& o) const { return line == o.line && offset == o.offset; }
  bool operator!=(const text_position& o) const { return !(*this == o); }
  bool operator<(const text_position& o) const { return line < o.line || (line == o.line && offset < o.offset); }
};

struct text_selection {
  bool active = false;
  text_position start;
  text_position end;  // inclusive
  text_position anchor;
  text_position cursor;

  bool contains(int line, int offset) const;
};

text_position translate_xy_to_line_and_offset(const text_store& store, int x, int y);

// What the pointer logic asks of the windows and the application around it.
class text_pointer_hooks {
 public:
  virtual ~text_pointer_hooks() = default;
  virtual void hold_view() {}
  virtual void follow_end() {}
  virtual void scroll_up(int lines) { (void)lines; }
  virtual void scroll_down(int lines) { (void)lines; }
  virtual void repaint() {}
  virtual void capture_mouse() {}
  virtual void release_mouse() {}
  // Drag scrolling runs on the animation list while the pointer is outside the window.
  virtual void start_drag_animation() {}
  virtual bool url_hotlinking() const { return true; }
  virtual void open_url(const char* url) { (void)url; }
  virtual void set_clipboard_data(const std::string& text) { (void)text; }
};

struct text_mouse_event {
  enum kind_type { left_down, left_up, left_double, middle_down, middle_up, right_down, right_up, motion, wheel, enter, leave };
  kind_type kind = motion;
  bool left_is_down = false;
  bool middle_is_down = false;
  bool right_is_down = false;
  int x = 0;
  int y = 0;
  int wheel_rotation = 0;
  int wheel_delta = 120;
};

// Clearing or rewrapping the store drops the selection, whose positions would point at other text.
class text_pointer : private text_store_listener {
 public:
  text_pointer(text_store& store, text_pointer_hooks& hooks) : store(store), hooks(hooks) { store.set_listener(this); }
  ~text_pointer() override {
    if (store.current_listener() == this) store.set_listener(nullptr);
  }
  text_pointer(const text_pointer&) = delete;
  text_pointer& operator=(const text_pointer&) = delete;

  void mouse_event(const text_mouse_event& event);
  // The toolkit took the mouse capture away.
  void capture_lost();
  bool url_clicked_on(int line, int offset);
  void finish_selection();
  // False (and nothing copied) when a selected line does not exist.
  bool copy_selection_to_clipboard();
  void reset_selection();
  // One drag-scroll step of the animation.
  void drag_scroll_step();

  text_selection selection;
  bool drag_active = false;
  int drag_scroll = 0;
  bool link_click_pending = false;
  int wheel_rotation = 0;

 private:
  text_position hit(int x, int y) const;
  void lines_discarded() override { reset_selection(); }

  text_store& store;
  text_pointer_hooks& hooks;
};
