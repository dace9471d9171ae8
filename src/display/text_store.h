// The backscroll of one text window: appended coloured text, split into display lines and
// word-wrapped to the window's pixel width on integer glyph widths.
//
// Each stored byte lives once in an arena. A display line is only the offset where it starts
// and its pixel width; a colour is an offset where it starts. A line ends where the next one
// begins (minus the newline that ended it), so rewrapping rebuilds small records and reads
// text only for the logical lines that are wide enough to need a break.
#pragma once

#include <cstdint>
#include <string>

#include "display/quor_rgb.h"
#include "display/text_arena.h"
#include "util/threads.h"

// Read view of one display line; text points into the store and is valid while the
// store's mutex is held (or until the next append, clear or rewrap).
struct text_line {
  const char* text = nullptr;
  int length = 0;
  bool hard_newline = false;
  uint32_t start = 0;  // offset in the store
};

// Told before the store empties or rebuilds its lines, so that positions into them are dropped.
class text_store_listener {
 public:
  virtual ~text_store_listener() = default;
  virtual void lines_discarded() = 0;
};

class text_store {
 public:
  enum { max_append = 5999, tab_stop = 8 };

  text_store();
  text_store(const text_store&) = delete;
  text_store& operator=(const text_store&) = delete;

  // --- layout parameters
  // Glyph widths per byte value (entries outside 32-126 are taken as 0) and the line height.
  // Rewraps when widths change.
  void set_char_widths(const int widths[256], int line_height);
  const int* char_widths() const { return widths; }
  int line_height() const { return height_of_line; }
  // The window size; a changed width rewraps (a change of height alone does not).
  void set_window_size(int width, int height);
  int window_width() const { return width_of_window; }
  int window_height() const { return height_of_window; }
  void set_wrapping(bool on) { wrap = on; }
  bool wrapping() const { return wrap; }

  // --- text
  // Where an append's stored text went, and whether it is byte for byte what was given.
  struct append_result {
    uint32_t start;
    uint32_t length;
    bool verbatim;
  };
  append_result append_text(const char* text);
  append_result append_text(const char* text, int length);
  // The foreground applies to following appends; the background is one colour for the whole
  // window (background now and background base both take it).
  void set_text_colors(quor_rgb foreground, quor_rgb background);
  quor_rgb foreground() const { return foreground_color; }
  void clear_text();
  void rewrap();

  // --- lines
  // The index of the open line: lines 0 to line_count() exist.
  int line_count() const { return (int)lines.size() - 1; }
  bool get_line(int n, text_line* out) const;
  // Visits the line's text as (text, length, colour) pieces in order.
  template <typename Visit>
  void for_each_piece(const text_line& line, Visit&& visit) const;
  // The offset of the first character whose right edge reaches max(x, 0); the line's length if none.
  int offset_at_x(const text_line& line, int x) const;
  int text_width(const char* text, int length) const;

  // One listener (the window's selection); null for none.
  void set_listener(text_store_listener* l) { listener = l; }
  text_store_listener* current_listener() const { return listener; }

  // --- view state (the text view's, updated by layout)
  bool top_down = false;
  int view_line = 0;
  bool hold = false;
  quor_rgb background_now;
  quor_rgb background_base;

  // Held by append, clear, rewrap and drawing.
  quor_mutex& mutex() { return store_mutex; }

  // --- figures for the benchmarks and the stress fill
  uint32_t stored_bytes() const { return arena.size(); }
  size_t color_run_count() const { return runs.size(); }
  static int line_record_size() { return (int)sizeof(line_record); }
  static int color_run_record_size() { return (int)sizeof(color_run); }

  static char transliterate(unsigned char byte);

 private:
  struct line_record {
    uint32_t start;
    uint32_t width;  // pixels, saturating
  };
  struct color_run {
    uint32_t start;
    uint32_t rgb;  // 0xRRGGBB
  };

  static uint32_t pack(quor_rgb c) { return ((uint32_t)c.red << 16) | ((uint32_t)c.green << 8) | (uint32_t)c.blue; }
  uint32_t line_end(size_t n) const;
  uint32_t sum_widths(uint32_t from, uint32_t to) const;
  // Appends [from, to) (no newline inside) to the open line and wraps it when due.
  void lay_out_segment(uint32_t from, uint32_t to);
  void end_line_hard(uint32_t next_start);
  // Breaks the open line while it is at least the window wide.
  void break_open_line(uint32_t end);
  void new_line(uint32_t start, uint32_t width);
  size_t run_at(uint32_t offset) const;
  void rewrap_locked(bool widths_changed);
  void discard_lines() {
    if (listener) listener->lines_discarded();
  }

  quor_mutex store_mutex;
  int last_laid_out_width = -1;
  int width_of_window = 0;
  int height_of_window = 0;
  int widths[256];
  int height_of_line = 0;
  quor_rgb foreground_color{255, 255, 255};

  byte_arena arena;
  block_array<color_run> runs;
  block_array<line_record> lines;
  int column = 0;
  bool at_start = true;
  bool wrap = true;
  bool arena_full_logged = false;
  text_store_listener* listener = nullptr;
};

template <typename Visit>
void text_store::for_each_piece(const text_line& line, Visit&& visit) const {
  if (line.length <= 0 || runs.empty()) return;
  uint32_t at = line.start;
  uint32_t end = line.start + (uint32_t)line.length;
  size_t r = run_at(at);
  while (at < end) {
    uint32_t run_end = r + 1 < runs.size() ? runs[r + 1].start : end;
    if (run_end > end) run_end = end;
    if (run_end > at) visit(arena.at(at), (int)(run_end - at), quor_rgb::from_value(runs[r].rgb));
    at = run_end;
    r++;
  }
}
