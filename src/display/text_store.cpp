#include "display/text_store.h"

#include <cstring>

#include "util/debug_log.h"

namespace {

// Bytes 128-255 read as Windows-1252, one ASCII character each.
const char high_half[129] =
    "E 'f\"-tt^%S<O Z "
    " ''\"\"*--~ s>o zY"
    " !cLoY|S-Ca<!-R-"
    "ox23'uP..1o>   ?"
    "AAAAAAACEEEEIIII"
    "DNOOOOOxOUUUUYPS"
    "aaaaaaaceeeeiiii"
    "onooooo/ouuuuypy";

// How append_text treats each byte.
enum byte_kind : uint8_t { kind_plain, kind_line_end, kind_tab, kind_high };

struct byte_kinds {
  uint8_t kind[256];
  byte_kinds() {
    for (int i = 0; i < 256; i++) kind[i] = i >= 128 ? kind_high : kind_plain;
    kind[(unsigned char)'\n'] = kind_line_end;
    kind[(unsigned char)'\r'] = kind_line_end;
    kind[(unsigned char)'\t'] = kind_tab;
  }
};
const byte_kinds kinds;

}  // namespace

char text_store::transliterate(unsigned char byte) { return byte < 128 ? (char)byte : high_half[byte - 128]; }

text_store::text_store() {
  for (int i = 0; i < 256; i++) widths[i] = 0;
  lines.push_back(line_record{0, 0});
}

void text_store::set_char_widths(const int new_widths[256], int line_height) {
  discard_lines();
  quor_lock_guard lock(store_mutex);
  for (int i = 0; i < 256; i++) widths[i] = (i >= 32 && i <= 126 && new_widths[i] > 0) ? new_widths[i] : 0;
  height_of_line = line_height;
  rewrap_locked(true);
}

void text_store::set_window_size(int width, int height) {
  height_of_window = height;
  width_of_window = width;
  if (width != last_laid_out_width) {
    rewrap();
    last_laid_out_width = width;
  }
}

void text_store::set_text_colors(quor_rgb foreground, quor_rgb background) {
  foreground_color = foreground;
  background_now = background;
  background_base = background;
}

text_store::append_result text_store::append_text(const char* text) {
  return append_text(text, text ? (int)strlen(text) : 0);
}

text_store::append_result text_store::append_text(const char* text, int length) {
  append_result result{arena.size(), 0, true};
  if (!text || length < 0) length = 0;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(text);
  int i = 0;
  if (at_start) {
    while (i < length && in[i] == '\n') i++;
    if (i > 0) result.verbatim = false;
    at_start = false;
  }

  quor_lock_guard lock(store_mutex);
  result.start = arena.size();
  if (!arena.reserve_more(max_append)) {
    if (!arena_full_logged && debug_level > 0)
      debug_log("Error in quor_textctrl::append_text(), backscroll memory full, text dropped.\n");
    arena_full_logged = true;
    result.verbatim = false;
    return result;
  }
  char* out = arena.end_pointer();
  int stored = 0;
  // The column is counted from the last line end so the common bytes need no bookkeeping.
  int column_base = column;
  int counted_from = 0;
  for (; i < length && stored < max_append; i++) {
    unsigned char b = in[i];
    switch (kinds.kind[b]) {
      case kind_plain:
        out[stored++] = (char)b;
        break;
      case kind_line_end:
        out[stored++] = (char)b;
        column_base = 0;
        counted_from = stored;
        break;
      case kind_high:
        out[stored++] = high_half[b - 128];
        result.verbatim = false;
        break;
      case kind_tab: {
        int at_column = column_base + (stored - counted_from);
        int target = (at_column / tab_stop + 1) * tab_stop;
        int spaces = target - at_column;
        int room = max_append - stored;
        int kept = spaces < room ? spaces : room;
        memset(out + stored, ' ', kept);
        stored += kept;
        // Spaces beyond the limit are dropped but still advance the column.
        column_base += spaces - kept;
        result.verbatim = false;
        break;
      }
    }
  }
  column = column_base + (stored - counted_from);
  if (i < length) {
    result.verbatim = false;
    // Dropped text still moves the column.
    for (; i < length; i++) {
      unsigned char b = in[i];
      if (b == '\n' || b == '\r')
        column = 0;
      else if (b == '\t')
        column = (column / tab_stop + 1) * tab_stop;
      else
        column++;
    }
  }
  arena.commit((uint32_t)stored);
  result.length = (uint32_t)stored;
  if (stored == 0) return result;

  uint32_t packed = pack(foreground_color);
  if (runs.empty() || runs.back().rgb != packed) {
    if (!runs.empty() && runs.back().start == result.start)
      runs.back().rgb = packed;
    else
      runs.push_back(color_run{result.start, packed});
  }

  const char* base = arena.at(0);
  uint32_t from = result.start;
  uint32_t end = result.start + result.length;
  while (from < end) {
    const void* nl = memchr(base + from, '\n', end - from);
    if (!nl) {
      lay_out_segment(from, end);
      break;
    }
    uint32_t at = (uint32_t)(static_cast<const char*>(nl) - base);
    lay_out_segment(from, at);
    end_line_hard(at + 1);
    from = at + 1;
  }
  return result;
}

uint32_t text_store::sum_widths(uint32_t from, uint32_t to) const {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(arena.at(0));
  uint64_t sum = 0;
  for (uint32_t i = from; i < to; i++) sum += (uint32_t)widths[p[i]];
  return sum > 0xffffffffu ? 0xffffffffu : (uint32_t)sum;
}

void text_store::lay_out_segment(uint32_t from, uint32_t to) {
  line_record& open = lines.back();
  uint64_t total = (uint64_t)open.width + sum_widths(from, to);
  open.width = total > 0xffffffffu ? 0xffffffffu : (uint32_t)total;
  if (wrap && (int64_t)open.width >= (int64_t)width_of_window) break_open_line(to);
}

void text_store::new_line(uint32_t start, uint32_t width) {
  lines.push_back(line_record{start, width});
  if (!hold && !top_down) view_line = line_count();
}

void text_store::end_line_hard(uint32_t next_start) { new_line(next_start, 0); }

void text_store::break_open_line(uint32_t end) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(arena.at(0));
  const int64_t limit = width_of_window;
  for (;;) {
    line_record& open = lines.back();
    if ((int64_t)open.width < limit) return;
    uint32_t start = open.start;
    int64_t running = 0;
    int64_t width_at_blank = 0;
    uint32_t after_blank = 0;
    uint32_t i = start;
    for (; i < end; i++) {
      int w = widths[p[i]];
      if (running + w >= limit) break;
      running += w;
      if (p[i] == ' ' || p[i] == '\t') {
        after_blank = i + 1;
        width_at_blank = running;
      }
    }
    // The very first character does not fit: the line stays over-long.
    if (i == start || i == end) return;
    uint32_t at = after_blank ? after_blank : i;
    int64_t upper = after_blank ? width_at_blank : running;
    uint32_t rest = open.width - (uint32_t)upper;
    open.width = (uint32_t)upper;
    new_line(at, rest);
  }
}

uint32_t text_store::line_end(size_t n) const {
  if (n + 1 >= lines.size()) return arena.size();
  uint32_t next = lines[n + 1].start;
  if (next > lines[n].start && *arena.at(next - 1) == '\n') return next - 1;
  return next;
}

bool text_store::get_line(int n, text_line* out) const {
  if (n < 0 || (size_t)n >= lines.size()) return false;
  uint32_t start = lines[n].start;
  uint32_t end = line_end(n);
  out->start = start;
  out->length = (int)(end - start);
  out->text = arena.size() ? arena.at(start) : "";
  out->hard_newline = (size_t)n + 1 < lines.size() && end != lines[n + 1].start;
  return true;
}

size_t text_store::run_at(uint32_t offset) const {
  size_t low = 0;
  size_t high = runs.size();
  while (high - low > 1) {
    size_t mid = (low + high) / 2;
    if (runs[mid].start <= offset)
      low = mid;
    else
      high = mid;
  }
  return low;
}

int text_store::offset_at_x(const text_line& line, int x) const {
  if (x < 0) x = 0;
  int64_t right = 0;
  for (int i = 0; i < line.length; i++) {
    right += widths[(unsigned char)line.text[i]];
    if (right >= x) return i;
  }
  return line.length;
}

int text_store::text_width(const char* text, int length) const {
  int64_t sum = 0;
  for (int i = 0; i < length; i++) sum += widths[(unsigned char)text[i]];
  return sum > 0x7fffffff ? 0x7fffffff : (int)sum;
}

void text_store::clear_text() {
  discard_lines();
  quor_lock_guard lock(store_mutex);
  view_line = 0;
  column = 0;
  at_start = true;
  arena.release();
  runs.clear();
  lines.clear();
  lines.push_back(line_record{0, 0});
}

void text_store::rewrap() {
  discard_lines();
  quor_lock_guard lock(store_mutex);
  rewrap_locked(false);
}

void text_store::rewrap_locked(bool widths_changed) {
  view_line = 0;
  block_array<line_record> old;
  old.swap(lines);
  const size_t old_count = old.size();
  const char* base = arena.at(0);
  size_t n = 0;
  uint32_t logical_start = old_count ? old[0].start : 0;
  uint64_t logical_width = 0;
  lines.push_back(line_record{0, 0});
  // Walk the old lines logical line by logical line; only wide ones are scanned for breaks.
  while (n < old_count) {
    uint32_t start = old[n].start;
    uint32_t next = n + 1 < old_count ? old[n + 1].start : arena.size();
    bool hard = n + 1 < old_count && next > start && base[next - 1] == '\n';
    uint32_t end = hard ? next - 1 : next;
    logical_width += widths_changed ? sum_widths(start, end) : old[n].width;
    n++;
    if (!hard && n < old_count) continue;
    line_record& open = lines.back();
    open.start = logical_start;
    open.width = logical_width > 0xffffffffu ? 0xffffffffu : (uint32_t)logical_width;
    if (wrap && (int64_t)open.width >= (int64_t)width_of_window) break_open_line(end);
    if (hard) {
      end_line_hard(next);
      logical_start = next;
    }
    logical_width = 0;
  }
}
