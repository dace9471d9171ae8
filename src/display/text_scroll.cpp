#include "display/text_scroll.h"

#include "util/debug_log.h"

int get_visible_line_count(const text_store& store) {
  int height = store.line_height();
  if (height <= 0) {
    if (debug_level > 1) debug_log("Error in quor_textctrl::get_visible_line_count(), font height %d.\n", height);
    return 20;
  }
  int count = store.window_height() / height;
  return count < 1 ? 1 : count;
}

int set_view(text_store& store, int line) {
  int upper = store.line_count() + (store.top_down ? 0 : get_visible_line_count(store));
  if (line > upper) line = upper;
  if (line < 0) line = 0;
  store.view_line = line;
  return line;
}

void scroll_info(const text_store& store, int* position, int* range, int* thumb) {
  *thumb = get_visible_line_count(store);
  if (store.top_down) {
    *position = store.view_line;
    *range = store.line_count() + *thumb + 1;
  } else {
    *position = store.view_line - *thumb;
    *range = store.line_count();
  }
}

void text_scroll::follow_end() {
  if (following) return;
  following = true;
  store.hold = false;
  position_at_end();
  hooks.repaint_display();
  hooks.repaint_text();
  hooks.redraw_status_bar();
}

void text_scroll::hold_view() {
  if (!following || never_hold) return;
  following = false;
  store.hold = true;
  position_at_end();
  hooks.repaint_display();
  hooks.repaint_text();
  hooks.redraw_status_bar();
}

void text_scroll::position_at_end() {
  int lines = store.line_count();
  view_position = store.top_down ? lines + 1 - get_visible_line_count(store) : lines;
  set_view(store, view_position);
  hooks.repaint_text();
  hooks.update_scrollbar();
}

void text_scroll::scroll_by(int n) {
  int lines = store.line_count();
  int visible = get_visible_line_count(store);
  int upper = store.top_down ? lines + 1 - visible : lines;
  int lower = store.top_down ? 0 : visible - 1;
  view_position += n;
  if (view_position < lower) view_position = lower;
  if (view_position > upper) view_position = upper;
  if (view_position == upper) follow_end();
  set_view(store, view_position);
  hooks.repaint_text();
  hooks.update_scrollbar();
}

int text_scroll::step_limit(int n) const {
  int half = get_visible_line_count(store) * 50 / 100;
  if (n > half) n = half;
  return n < 1 ? 1 : n;
}

void text_scroll::scroll_up(int n) { scroll_by(-step_limit(n)); }
void text_scroll::scroll_down(int n) { scroll_by(step_limit(n)); }

void text_scroll::page_up() {
  int half = get_visible_line_count(store) * 50 / 100;
  scroll_by(-(half < 1 ? 1 : half));
}

void text_scroll::page_down() {
  int half = get_visible_line_count(store) * 50 / 100;
  scroll_by(half < 1 ? 1 : half);
}

int text_scroll::view_from_scrollbar(int p) {
  int visible = get_visible_line_count(store);
  int upper = store.line_count() + (store.top_down ? visible : 0);
  if (visible >= upper) {
    view_position = p;
    follow_end();
    return view_position;
  }
  view_position = set_view(store, store.top_down ? p : p + visible);
  if (view_position >= upper) {
    follow_end();
  } else if (following && !never_hold) {
    following = false;
    store.hold = true;
  }
  return view_position;
}

void text_scroll::scrollbar_moved(int p) {
  view_from_scrollbar(p);
  hooks.repaint_display();
  hooks.repaint_text();
}

void text_scroll::set_scroll_position(int p) {
  hooks.repaint_display();
  view_from_scrollbar(p);
  hooks.repaint_text();
  hooks.update_scrollbar();
}
