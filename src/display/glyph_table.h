// Pre-rendered glyphs of one font as coverage arrays, indexed by byte value.
#pragma once

#include <cstdint>
#include <vector>

#include "display/pixel_view.h"

struct glyph_coverage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;  // width * height values, row by row

  coverage_view view() const { return coverage_view{coverage.data(), width, height, width, 1}; }
};

class glyph_table {
 public:
  enum { first_glyph = 32, last_glyph = 126, table_size = 128 };

  // The glyph of byte & 0x7f (so 0xE1 draws 'a'); null for bytes without one.
  const glyph_coverage* glyph(unsigned char byte) const {
    const glyph_coverage& entry = entries[byte & 0x7f];
    return entry.width > 0 && entry.height > 0 ? &entry : nullptr;
  }
  // Width used by text layout: 0 for bytes without a glyph.
  int width(unsigned char byte) const {
    const glyph_coverage* found = glyph(byte);
    return found ? found->width : 0;
  }
  // Line height of text windows: the height of 'f'.
  int line_height() const { return entries[(unsigned char)'f'].height; }
  // Only bytes 32-126 take a glyph; others stay empty.
  bool set(unsigned char byte, glyph_coverage glyph_data) {
    if (byte < first_glyph || byte > last_glyph) return false;
    entries[byte] = std::move(glyph_data);
    return true;
  }

 private:
  glyph_coverage entries[table_size];
};
