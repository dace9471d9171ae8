// Small helpers of the text display tests: a store with fixed glyph widths and line readers.
#pragma once

#include <string>
#include <vector>

#include "display/text_store.h"

// Every printable byte `width` pixels wide, lines `height` pixels high.
inline void set_fixed_widths(text_store& store, int width, int height) {
  int widths[256];
  for (int i = 0; i < 256; i++) widths[i] = width;
  store.set_char_widths(widths, height);
}

inline std::string line_text(const text_store& store, int n) {
  text_line line;
  if (!store.get_line(n, &line)) return "<null>";
  return std::string(line.text, line.length);
}

// Every display line, hard-ended ones marked with '|'.
inline std::vector<std::string> all_lines(const text_store& store) {
  std::vector<std::string> out;
  for (int n = 0; n <= store.line_count(); n++) {
    text_line line;
    store.get_line(n, &line);
    out.push_back(std::string(line.text, line.length) + (line.hard_newline ? "|" : ""));
  }
  return out;
}
