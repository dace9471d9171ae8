#include "display/ansi_text_model.h"

#include <cstdio>
#include <cstring>

#include "display/ansi_palette.h"
#include "util/debug_log.h"
#include "util/random.h"

bool line_received_in_progress = false;

namespace {

const int attribute_values[5] = {0, 2, 4, 8, 16};
const int index_values[8] = {0, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37};

uint32_t attribute_code(int attributes) {
  for (uint32_t i = 0; i < 5; i++)
    if (attribute_values[i] == attributes) return i;
  return 0;
}

uint32_t index_code(int index) { return index >= 0x31 && index <= 0x37 ? (uint32_t)(index - 0x30) : 0; }

// Which bytes the text state collects: tab, 28-126 and the upper half.
struct collect_table {
  bool collects[256];
  collect_table() {
    for (int i = 0; i < 256; i++) collects[i] = i == 9 || (i >= 28 && i <= 126) || i >= 128;
  }
};
const collect_table collecting;

// Replayed text keeps tab, line feed, carriage return and 32-126; any other UTF-8 code point
// (or stray byte) becomes one '.'.
int next_replay_char(const unsigned char* text, int length, int* at) {
  unsigned char b = text[*at];
  if (b < 128) {
    (*at)++;
    return (b == '\t' || b == '\n' || b == '\r' || (b >= 32 && b <= 126)) ? b : '.';
  }
  int extra = (b & 0xe0) == 0xc0 ? 1 : (b & 0xf0) == 0xe0 ? 2 : (b & 0xf8) == 0xf0 ? 3 : 0;
  int i = 1;
  while (i <= extra && *at + i < length && (text[*at + i] & 0xc0) == 0x80) i++;
  *at += i <= extra ? 1 : extra + 1;
  return '.';
}

}  // namespace

ansi_text_model::ansi_text_model(text_store& store, text_scroll& scroll) : store(store), scroll(scroll) {
  line_buffer[0] = 0;
  reset_colors();
}

bool ansi_text_model::take_new_text() {
  bool was = new_text;
  new_text = false;
  return was;
}

void ansi_text_model::flush_collected(char* collected, int* count) {
  collected[*count] = 0;
  output_text(collected, *count);
  *count = 0;
}

void ansi_text_model::display_socket_data(const char* bytes, int length) {
  if (!bytes || length <= 0) return;
  new_text = true;
  char collected[collect_size + 1];
  int count = 0;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes);
  for (int i = 0; i < length; i++) {
    unsigned char b = in[i];
    if (state == state_text) {
      if (collecting.collects[b]) {
        collected[count++] = b >= 128 ? '.' : (char)b;
        if (count == collect_size) flush_collected(collected, &count);
      } else if (b == 27) {
        if (count) flush_collected(collected, &count);
        state = state_escape;
        bracket_seen = 0;
        parameter = 0;
      } else if (b == '\n') {
        collected[count++] = '\n';
        flush_collected(collected, &count);
        process_ansi_color();
      }
      continue;
    }
    if (!bracket_seen) {
      if (b == '[') {
        bracket_seen = 1;
      } else {
        state = state_text;
        single_character_escape(b);
      }
    } else if (b >= '0' && b <= '9') {
      // Digits accumulate as hexadecimal nibbles ("31" is 0x31); long runs wrap instead of overflowing.
      parameter = (int)((unsigned)parameter * 16u + (unsigned)(b - '0'));
    } else {
      state = state_text;
      process_ansi_code(parameter, b);
    }
  }
  flush_collected(collected, &count);
}

void ansi_text_model::single_character_escape(int byte) {
  if (byte == 'c') {
    reset_colors();
    int lines = get_visible_line_count(store) * 2 + 1;
    for (int i = 0; i < lines; i++) output_text("\n", 1);
    return;
  }
  if (debug_level > 1) debug_log("process_ansi_code(1) - got unhandled code %d.\n", byte);
}

void ansi_text_model::process_ansi_code(int value, int final_byte) {
  if (final_byte != 'm') {
    if (debug_level > 1) debug_log("process_ansi_code(2) - ignoring unhandled code %d.\n", final_byte);
    return;
  }
  switch (value) {
    case 0:
      attribute_flags = attribute_normal;
      index = 0;
      break;
    case 0x31: case 0x32: case 0x33: case 0x34: case 0x35: case 0x36: case 0x37:
      index = value;
      break;
    case 1:
      attribute_flags = attribute_bright;
      break;
    case 2:
      attribute_flags = attribute_dim;
      break;
    case 5:
      attribute_flags = attribute_blink;
      break;
    case 7:
      attribute_flags = attribute_reverse;
      break;
    case 0x22:
      attribute_flags = attribute_normal;
      break;
    default:
      if (debug_level > 1) debug_log("error in quor_ansi_display::process_ansi_code() - bad value '%d'.\n", value);
      break;
  }
  process_ansi_color();
}

void ansi_text_model::process_ansi_color() {
  int row;
  switch (index) {
    case 0x37: row = 0; break;
    case 0x31: row = 3; break;
    case 0x33: row = 6; break;
    case 0x32: row = 9; break;
    case 0x36: row = 12; break;
    case 0x34: row = 15; break;
    case 0x35: row = 18; break;
    case 0: row = 21; break;
    default:
      if (debug_level > 1) debug_log("error in quor_ansi_display::process_ansi_color() - bad color '%d'?\n", index);
      return;
  }
  int column = (attribute_flags & attribute_bright) ? 2 : (attribute_flags & attribute_dim) ? 0 : 1;
  uint32_t rgb = current_ansi_palette[row + column];
  if (attribute_flags == last_attributes && index == last_index) return;
  newest.attributes = attribute_flags;
  newest.index = index;
  newest.rgb = rgb;
  if (!pending()) current = newest;
  if (!suspended) push_colors_to_store(rgb, attribute_flags);
  last_attributes = attribute_flags;
  last_index = index;
}

void ansi_text_model::push_colors_to_store(uint32_t rgb, int attributes) {
  store.set_text_colors(quor_rgb::from_value(rgb), attributes == attribute_reverse ? color_grey64 : color_black);
}

void ansi_text_model::set_colors(int a, int b) {
  process_ansi_code(a, 'm');
  process_ansi_code(b, 'm');
}

void ansi_text_model::reset_colors() {
  attribute_flags = attribute_normal;
  index = 0x33;
  process_ansi_color();
  index = 0x37;
  process_ansi_color();
}

void ansi_text_model::reapply_color() {
  last_attributes = -1;
  process_ansi_color();
}

void ansi_text_model::output_text(const char* text) {
  if (text) output_text(text, (int)strlen(text));
}

void ansi_text_model::output_text(const char* text, int length) {
  if (!text || length < 0) return;
  record_run(text, length);
  if (!suspended) store.append_text(text, length);
  if (!line_received_in_progress) assemble_lines(text, length);
}

void ansi_text_model::record_run(const char* text, int length) {
  if (length == 0) return;
  if (newest.attributes != current.attributes || newest.rgb != current.rgb) rerender_flush();
  if (!run_text.append(text, (uint32_t)length) && debug_level > 0)
    debug_log("Error in quor_ansi_display::output_text(), run record memory full, text not recorded.\n");
}

void ansi_text_model::rerender_flush() {
  if (!pending()) {
    if (debug_level > 1) debug_log("quor_ansi_display - rerender_flush() - temp space was empty, WTF?\n");
    return;
  }
  uint32_t meta = current.rgb | (attribute_code(current.attributes) << 24) | (index_code(current.index) << 27);
  records.push_back(record{pending_start, meta});
  pending_start = run_text.size();
  current = newest;
}

ansi_text_model::render_record ansi_text_model::get_render_record(size_t n) const {
  const record& r = records[n];
  uint32_t end = n + 1 < records.size() ? records[n + 1].start : pending_start;
  render_record view;
  view.text = run_text.at(r.start);
  view.length = (int)(end - r.start);
  view.color = quor_rgb::from_value(r.meta & 0xffffff);
  view.attributes = attribute_values[(r.meta >> 24) & 7];
  view.color_index = index_values[(r.meta >> 27) & 7];
  return view;
}

void ansi_text_model::assemble_lines(const char* text, int length) {
  const char* end = text + length;
  while (text < end) {
    const char* nl = static_cast<const char*>(memchr(text, '\n', end - text));
    const char* stop = nl ? nl : end;
    int room = line_limit - line_length;
    int take = (int)(stop - text) < room ? (int)(stop - text) : room;
    memcpy(line_buffer + line_length, text, take);
    line_length += take;
    line_buffer[line_length] = 0;
    if (!nl) break;
    deliver_line();
    text = nl + 1;
  }
}

void ansi_text_model::deliver_line() {
  line_received_in_progress = true;
  line_received(line_buffer);
  line_received_in_progress = false;
  line_length = 0;
  line_buffer[0] = 0;
}

void ansi_text_model::flush_partial_line() {
  if (line_length > 0) deliver_line();
}

bool ansi_text_model::resume_updates() {
  if (!suspended) {
    if (debug_level > 1) debug_log("Error in quor_ansi_display::resume_updates(), updates were not suspended?\n");
    return false;
  }
  suspended = false;
  rerender();
  return true;
}

void ansi_text_model::replay(const render_record& run) {
  // Replayed in pieces so that a long run is shown whole, not cut at the store's append limit.
  char piece[text_store::max_append + 1];
  const unsigned char* text = reinterpret_cast<const unsigned char*>(run.text);
  int at = 0;
  while (at < run.length) {
    int used = 0;
    while (at < run.length && used < text_store::max_append) piece[used++] = (char)next_replay_char(text, run.length, &at);
    piece[used] = 0;
    store.append_text(piece, used);
  }
}

void ansi_text_model::rerender() {
  if (pending()) rerender_flush();
  store.clear_text();
  for (size_t n = 0; n < records.size(); n++) {
    render_record run = get_render_record(n);
    store.set_text_colors(run.color, run.attributes == attribute_reverse ? color_grey64 : color_black);
    replay(run);
  }
  // Text after the replay takes the colour last asked for, not the last run's.
  push_colors_to_store(newest.rgb, newest.attributes);
  scroll.position_at_end();
}

void ansi_text_model::clear_display() {
  if (pending()) rerender_flush();
  records.clear();
  run_text.release();
  pending_start = 0;
  if (!suspended) store.clear_text();
  current = run_color();
  newest = run_color();
  reset_colors();
}

void ansi_text_model::set_wrapping(bool on) {
  store.set_wrapping(on);
  rerender();
}

ansi_text_model::fill_figures ansi_text_model::debug_fill(quor_random& random) {
  long characters = 0;
  char word[16];
  for (int line = 0; line < 100000; line++) {
    int words = random.random_below(50);
    for (int w = 0; w < words; w++) {
      int fr = random.random_below(255), fg = random.random_below(255), fb = random.random_below(255);
      int br = random.random_below(255), bg = random.random_below(255), bb = random.random_below(255);
      store.set_text_colors(quor_rgb(fr, fg, fb), quor_rgb(br, bg, bb));
      int n = random.random_below(10) + 1;
      for (int i = 0; i < n; i++) word[i] = (char)('a' + n - i);
      word[n] = ' ';
      store.append_text(word, n + 1);
      characters += n + 1;
    }
    store.append_text("\n", 1);
  }
  char summary[80];
  snprintf(summary, sizeof summary, "%ld characters written (%ld kb).\n", characters, characters / 1000);
  store.append_text(summary);
  return fill_figures{characters};
}
