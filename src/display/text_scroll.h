// Which part of the backscroll a text window shows: the view line of the text control and the
// display's follow/hold state (the scroll lock), without any toolkit.
#pragma once

#include "display/text_store.h"

// What the scroll model asks of the windows around it.
class text_scroll_hooks {
 public:
  virtual ~text_scroll_hooks() = default;
  virtual void repaint_text() {}
  // The display's frame, whose border shows the hold state.
  virtual void repaint_display() {}
  virtual void update_scrollbar() {}
  virtual void redraw_status_bar() {}
};

// The text control's part: the view line and the scrollbar figures.
int get_visible_line_count(const text_store& store);
// Clamps to 0 .. line count (plus the visible lines when drawn bottom-up).
int set_view(text_store& store, int line);
void scroll_info(const text_store& store, int* position, int* range, int* thumb);

class text_scroll {
 public:
  text_scroll(text_store& store, text_scroll_hooks& hooks) : store(store), hooks(hooks) {}

  void follow_end();
  void hold_view();
  void position_at_end();
  void scroll_by(int n);
  void scroll_up(int n);
  void scroll_down(int n);
  void page_up();
  void page_down();
  // The scrollbar's thumb moved to p.
  void scrollbar_moved(int p);
  void set_scroll_position(int p);

  bool following = true;
  int view_position = 0;
  // Popup windows never lock their view.
  bool never_hold = false;

 private:
  int step_limit(int n) const;
  // The text control's view from a scrollbar position.
  int view_from_scrollbar(int p);

  text_store& store;
  text_scroll_hooks& hooks;
};
