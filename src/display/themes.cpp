#include "display/themes.h"

#include <cstdint>

namespace {

enum { red, brown, yellow, ygreen, green, cyan, blue, purple, grey, theme_count };

int theme_index(int value) {
  switch (value) {
    case theme_yellow: return yellow;
    case theme_blue: return blue;
    case theme_red: return red;
    case theme_brown: return brown;
    case theme_ygreen: return ygreen;
    case theme_green: return green;
    case theme_cyan: return cyan;
    case theme_purple: return purple;
    case theme_grey: return grey;
    default: return blue;
  }
}

const background_theme background_themes[theme_count] = {
    {{80, 0, 0}, {56, 0, 0}, {32, 0, 0}},       // Red
    {{80, 32, 16}, {56, 24, 16}, {32, 16, 8}},  // Brown
    {{80, 80, 0}, {56, 56, 0}, {32, 32, 0}},    // Yellow
    {{48, 80, 0}, {32, 56, 0}, {16, 32, 0}},    // YGreen
    {{0, 80, 0}, {0, 48, 0}, {0, 32, 0}},       // Green
    {{0, 56, 80}, {0, 40, 64}, {0, 24, 48}},    // Cyan
    {{0, 0, 96}, {0, 0, 64}, {0, 0, 32}},       // Blue
    {{80, 0, 80}, {56, 0, 56}, {32, 0, 32}},    // Purple
    {{64, 64, 64}, {32, 32, 32}, {16, 16, 16}}, // Grey
};

// One row per entry, one column per theme in the order Red, Brown, Yellow, YGreen, Green, Cyan,
// Blue, Purple, Grey.
const uint32_t button_colors[button_theme::entry_count][theme_count] = {
    {0xc00000, 0xa06040, 0xc0c000, 0x90c000, 0x00c000, 0x3090c0, 0x3030c0, 0xc060c0, 0xc0c0c0},
    {0xc00000, 0xa06040, 0xc0c000, 0x90c000, 0x00c000, 0x3090c0, 0x3030c0, 0xc060c0, 0xc0c0c0},
    {0xffc000, 0xa06040, 0xffff00, 0xc0ff00, 0x80ff80, 0x40c0ff, 0x4040ff, 0xffc0ff, 0xc0c0c0},
    {0x500000, 0x503020, 0x606060, 0x486000, 0x005000, 0x004050, 0x000050, 0x500050, 0x505050},
    {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    {0x606060, 0x606060, 0xc0c000, 0x90c000, 0x306030, 0x3090c0, 0x3030c0, 0x603060, 0x808080},
    {0x400000, 0x403020, 0x404040, 0x304000, 0x004000, 0x003040, 0x000040, 0x400040, 0x404040},
    {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    {0x806000, 0x806040, 0xc0c000, 0x90c000, 0x008000, 0x206080, 0x202080, 0x804080, 0x606060},
    {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x303030},
    {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    {0x808080, 0x808080, 0xffff00, 0xc0ff00, 0x408040, 0x40c0ff, 0x4040ff, 0x804080, 0x808080},
    {0x400000, 0x403020, 0x404040, 0x304000, 0x004000, 0x003040, 0x000040, 0x400040, 0x404040},
    {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    {0x404040, 0x404040, 0x808000, 0x608000, 0x204020, 0x006080, 0x000080, 0x402040, 0x404040},
    {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x202020},
    {0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0, 0xc0c0c0},
    {0x808080, 0x808080, 0xffff00, 0xc0ff00, 0x408040, 0x00c0ff, 0x0000ff, 0x804080, 0x808080},
    {0x300000, 0x302010, 0x303030, 0x203000, 0x003000, 0x002030, 0x000030, 0x300030, 0x303030},
    {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    {0x606060, 0x606060, 0xc0c000, 0x90c000, 0x306030, 0x0090c0, 0x0000c0, 0x603060, 0x606060},
    {0x200000, 0x201810, 0x202020, 0x102000, 0x002000, 0x001820, 0x000020, 0x200020, 0x202020},
    {0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffffff, 0xffff00, 0xffffff, 0xffffff},
    {0x303030, 0x303030, 0x606030, 0x486030, 0x183018, 0x184860, 0x181860, 0x301830, 0x404040},
    {0x200000, 0x201810, 0x202020, 0x102000, 0x002000, 0x001820, 0x000020, 0x200020, 0x202020},
    {0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060, 0x606060},
};

struct button_theme_table {
  button_theme themes[theme_count];
  button_theme_table() {
    for (int t = 0; t < theme_count; t++)
      for (int e = 0; e < button_theme::entry_count; e++) themes[t].colors[e] = quor_rgb::from_value(button_colors[e][t]);
  }
};

const button_theme_table& button_themes() {
  static const button_theme_table table;
  return table;
}

}  // namespace

const background_theme* active_background_theme = &background_themes[blue];
const button_theme* active_button_theme = &button_themes().themes[blue];

const background_theme& background_theme_for(int value) { return background_themes[theme_index(value)]; }

const button_theme& button_theme_for(int value) { return button_themes().themes[theme_index(value)]; }

void switch_background_theme(int value) {
  active_background_theme = &background_theme_for(value);
}

void switch_button_theme(int value) {
  active_button_theme = &button_theme_for(value);
}
