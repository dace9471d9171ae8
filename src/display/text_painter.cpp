#include "display/text_painter.h"

#include "display/pixel_draw.h"
#include "util/debug_log.h"

namespace {

void paint_line(const text_store& store, const text_selection& selection, const glyph_table& font,
                const pixel_view& view, int line_number, int y) {
  text_line line;
  if (!store.get_line(line_number, &line)) return;
  const int* widths = store.char_widths();
  bool whole = selection.active && selection.start.line < line_number && line_number < selection.end.line;
  bool partial = selection.active && !whole &&
                 (line_number == selection.start.line || line_number == selection.end.line);
  if (partial && selection.start.line == selection.end.line && selection.start.offset > line.length &&
      debug_level > 1)
    debug_log("Error in quor_textctrl::render_partially_selected_nsn_line(), offset < start offset?\n");
  int x = 1;
  int offset = 0;
  store.for_each_piece(line, [&](const char* text, int length, quor_rgb color) {
    for (int i = 0; i < length && x < view.width; i++, offset++) {
      unsigned char c = (unsigned char)text[i];
      const glyph_coverage* g = font.glyph(c);
      if (g) {
        bool selected = whole || (partial && selection.contains(line_number, offset));
        if (selected)
          pixel_draw::glyph(view, g->view(), x, y, color, selection_background);
        else
          pixel_draw::glyph_transparent(view, g->view(), x, y, color);
      }
      x += widths[c];
    }
  });
}

}  // namespace

void paint_text_view(text_store& store, const text_selection& selection, const glyph_table& font,
                     const pixel_view& view) {
  pixel_draw::clear(view, store.background_now);
  int height = store.line_height();
  if (height < 1) {
    if (debug_level > 1) debug_log("Error in quor_textctrl::repaint_internal(), font height %d.\n", height);
    return;
  }
  quor_lock_guard lock(store.mutex());
  int window_height = store.window_height();
  int last = store.line_count();
  if (store.top_down) {
    int line = store.view_line > 0 ? store.view_line : 0;
    for (int y = 0; y < window_height && line <= last; y += height, line++)
      paint_line(store, selection, font, view, line, y);
  } else {
    int line = store.view_line;
    for (int y = window_height - height - 1; y > -height && line >= 0; y -= height, line--)
      paint_line(store, selection, font, view, line, y);
  }
}
