// Plain views on pixel memory: what the drawing operations work on, with or without the toolkit.
#pragma once

#include <cstdint>

// 32-bit pixels, bytes in the order red, green, blue, alpha (the toolkit's alpha bitmaps on GTK).
struct pixel_view {
  enum { red_offset = 0, green_offset = 1, blue_offset = 2, alpha_offset = 3, bytes_per_pixel = 4 };

  uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes from one row to the next

  uint8_t* at(int x, int y) const { return pixels + (long)y * stride + (long)x * bytes_per_pixel; }
};

// One byte of coverage (0-255) per pixel, `step` bytes apart: a glyph's own array (step 1)
// or the green channel of a white-on-black glyph bitmap (step 4).
struct coverage_view {
  const uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  int step = 1;

  uint8_t at(int x, int y) const { return data[(long)y * stride + (long)x * step]; }
};
