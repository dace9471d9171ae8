// The colour record used by every drawing operation, and the named colours the panels share.
#pragma once

#include <cstdint>

struct quor_rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  constexpr quor_rgb() = default;
  constexpr quor_rgb(int r, int g, int b) : red(r), green(g), blue(b) {}
  // From a 24-bit 0xRRGGBB value.
  static constexpr quor_rgb from_value(uint32_t value) {
    return quor_rgb((int)((value >> 16) & 0xff), (int)((value >> 8) & 0xff), (int)(value & 0xff));
  }
  constexpr bool operator==(const quor_rgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
  constexpr bool operator!=(const quor_rgb& other) const { return !(*this == other); }
};

inline constexpr quor_rgb color_red(255, 0, 0);
inline constexpr quor_rgb color_yellow(255, 255, 0);
inline constexpr quor_rgb color_green(0, 255, 0);
inline constexpr quor_rgb color_cyan(0, 255, 255);
inline constexpr quor_rgb color_blue(0, 0, 255);
inline constexpr quor_rgb color_magenta(255, 0, 255);
inline constexpr quor_rgb color_black(0, 0, 0);
inline constexpr quor_rgb color_grey64(64, 64, 64);
inline constexpr quor_rgb color_grey128(128, 128, 128);
inline constexpr quor_rgb color_grey192(192, 192, 192);
inline constexpr quor_rgb color_white(255, 255, 255);
