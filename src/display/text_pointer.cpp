#include "display/text_pointer.h"

#include <cstring>

#include "display/link_finder.h"
#include "util/debug_log.h"

bool text_selection::contains(int line, int offset) const {
  if (!active) return false;
  text_position at{line, offset};
  return !(at < start) && !(end < at);
}

text_position translate_xy_to_line_and_offset(const text_store& store, int x, int y) {
  int height = store.line_height();
  if (height <= 0) {
    if (debug_level > 1)
      debug_log("Error in quor_textctrl::translate_xy_to_line_and_offset(), font height %d.\n", height);
    return text_position{0, 0};
  }
  int base_line, base_y;
  if (store.top_down) {
    base_line = store.view_line < 1 ? 0 : store.view_line;
    base_y = 0;
  } else {
    base_line = store.view_line;
    base_y = store.window_height() - height;
  }
  int delta = y - base_y;
  int row = delta >= 0 ? delta / height : -((-delta + height - 1) / height);
  int last = store.line_count();
  long line = (long)base_line + row;
  if (line < 0) line = 0;
  if (line > last) line = last;
  text_line found;
  if (!store.get_line((int)line, &found)) {
    if (line != 0 && debug_level > 1)
      debug_log("Error in quor_textctrl::translate_xy_to_line_and_offset(), null line %d\n", (int)line);
    return text_position{last, 0};
  }
  return text_position{(int)line, store.offset_at_x(found, x)};
}

text_position text_pointer::hit(int x, int y) const { return translate_xy_to_line_and_offset(store, x, y); }

void text_pointer::mouse_event(const text_mouse_event& event) {
  drag_scroll = 0;
  bool any_down = event.left_is_down || event.middle_is_down || event.right_is_down;
  bool left_released = event.kind == text_mouse_event::left_up;
  if (!any_down && event.wheel_rotation == 0 && !left_released) return;

  if (link_click_pending) {
    if (left_released) link_click_pending = false;
    return;
  }

  int delta = event.wheel_delta > 0 ? event.wheel_delta : 1;
  int before = wheel_rotation / delta;
  wheel_rotation += event.kind == text_mouse_event::wheel ? event.wheel_rotation : 0;
  int after = wheel_rotation / delta;
  if (after > before) {
    hooks.hold_view();
    hooks.scroll_up(3);
    return;
  }
  if (after < before) {
    hooks.hold_view();
    hooks.scroll_down(3);
    return;
  }

  if (event.kind == text_mouse_event::right_down || event.kind == text_mouse_event::middle_down) {
    hooks.follow_end();
    return;
  }

  if (!event.left_is_down && !left_released) return;
  text_position at = event.x < 0 ? hit(store.window_width(), event.y - store.line_height()) : hit(event.x, event.y);

  int height = store.window_height() > 0 ? store.window_height() : 1;
  if (event.kind == text_mouse_event::left_down) {
    if (url_clicked_on(at.line, at.offset)) return;
    drag_active = true;
    selection.active = false;
    selection.anchor = at;
    selection.cursor = at;
    hooks.repaint();
    hooks.capture_mouse();
  } else if (event.kind == text_mouse_event::motion) {
    selection.cursor = at;
    if (event.y < 0) {
      drag_scroll = store.line_height() * event.y * 2 / height;
      hooks.start_drag_animation();
      selection.cursor = hit(0, 0);
    } else if (event.y > store.window_height()) {
      drag_scroll = store.line_height() * (event.y - store.window_height()) * 2 / height;
      hooks.start_drag_animation();
      selection.cursor = hit(0, 2 * store.window_height());
    } else if (selection.anchor != selection.cursor) {
      hooks.hold_view();
    }
  } else if (left_released && drag_active) {
    drag_active = false;
    selection.cursor = at;
    hooks.release_mouse();
  }

  if (selection.anchor != selection.cursor) selection.active = true;
  if (selection.active) finish_selection();
}

void text_pointer::capture_lost() {
  if (debug_level > 1) debug_log("quor_textctrl::mouse_event_handler()\n");
  if (selection.active) finish_selection();
  selection.active = false;
  drag_active = false;
}

void text_pointer::drag_scroll_step() {
  if (drag_scroll < 0) {
    hooks.hold_view();
    hooks.scroll_up(-drag_scroll);
    selection.cursor = hit(0, 0);
  } else if (drag_scroll > 0) {
    hooks.hold_view();
    hooks.scroll_down(drag_scroll);
    selection.cursor = hit(0, 4 * store.window_height());
  }
  finish_selection();
}

void text_pointer::finish_selection() {
  if (selection.anchor < selection.cursor) {
    selection.start = selection.anchor;
    selection.end = selection.cursor;
  } else {
    selection.start = selection.cursor;
    selection.end = selection.anchor;
  }
  copy_selection_to_clipboard();
  hooks.repaint();
}

namespace {

// Characters of the line from `from` up to and including `to` (clamped to the line).
void append_part(std::string* out, const text_line& line, int from, int to) {
  if (from < 0) from = 0;
  if (to >= line.length) to = line.length - 1;
  if (to >= from) out->append(line.text + from, to - from + 1);
}

}  // namespace

bool text_pointer::copy_selection_to_clipboard() {
  std::string copied;
  const text_position& s = selection.start;
  const text_position& e = selection.end;
  for (int n = s.line; n <= e.line; n++) {
    text_line line;
    if (!store.get_line(n, &line)) {
      if (debug_level > 1) debug_log("Error in copy_selection_to_clipboard(), line %d NULL.\n", n);
      return false;
    }
    int from = n == s.line ? s.offset : 0;
    int to = n == e.line ? e.offset : line.length - 1;
    append_part(&copied, line, from, to);
    if (n != e.line && line.hard_newline) copied += '\n';
  }
  hooks.set_clipboard_data(copied);
  return true;
}

void text_pointer::reset_selection() {
  selection = text_selection();
  hooks.repaint();
}

bool text_pointer::url_clicked_on(int line_number, int offset) {
  if (!hooks.url_hotlinking()) return false;
  text_line line;
  if (!store.get_line(line_number, &line)) {
    if (line_number != 0 && debug_level > 1) debug_log("Error in url_clicked_on(), null line %d.\n", line_number);
    return false;
  }
  // Only this display line is examined, as the reader sees it.
  int length = line.length < text_store::max_append ? line.length : text_store::max_append;
  int first, last;
  if (!find_link(line.text, length, offset, &first, &last)) return false;
  std::string url(line.text + first, last - first + 1);
  hooks.open_url(url.c_str());
  selection.active = true;
  selection.start = selection.anchor = text_position{line_number, first};
  selection.end = selection.cursor = text_position{line_number, last};
  copy_selection_to_clipboard();
  hooks.repaint();
  link_click_pending = true;
  return true;
}
