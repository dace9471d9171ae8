#include "display/background_pattern.h"

#include <algorithm>

#include "display/pixel_draw.h"
#include "util/random.h"

namespace {

const int maze_cell = 5;
const int bubble_cell = 16;

void reseed(uint32_t seed) {
  pattern_random.random_restart();
  pattern_random.random_seed(seed);
}

// Right, down, left or up from the cell's corner by the low two bits.
void maze_line(const pixel_view& view, int x, int y, uint32_t direction, quor_rgb color) {
  switch (direction & 3) {
    case 0: pixel_draw::line(view, x, y, x + maze_cell, y, color); break;
    case 1: pixel_draw::line(view, x, y, x, y + maze_cell, color); break;
    case 2: pixel_draw::line(view, x, y, x - maze_cell, y, color); break;
    default: pixel_draw::line(view, x, y, x, y - maze_cell, color); break;
  }
}

void draw_maze(const pixel_view& view, const background_theme& theme, bool with_bright) {
  for (int y = 0; y < view.height; y += maze_cell) {
    reseed((uint32_t)y);
    for (int x = 0; x < view.width; x += maze_cell) {
      uint32_t r = pattern_random.random_next();
      quor_rgb color = theme.middle;
      if (with_bright && (r & 0x1c) == 0) color = theme.bright;
      maze_line(view, x, y, r, color);
    }
  }
}

void draw_diagonal_maze(const pixel_view& view, const background_theme& theme) {
  for (int y = 0; y < view.height; y += maze_cell) {
    reseed((uint32_t)y);
    for (int x = 0; x < view.width; x += maze_cell) {
      uint32_t r = pattern_random.random_next();
      quor_rgb color = (r & 2) ? theme.middle : theme.bright;
      if (r & 1)
        pixel_draw::line(view, x, y, x + maze_cell, y + maze_cell, color);
      else
        pixel_draw::line(view, x + maze_cell, y, x, y + maze_cell, color);
    }
  }
}

void draw_bubbles(const pixel_view& view, const background_theme& theme) {
  const quor_rgb layers[4] = {theme.dark, theme.dark, theme.middle, theme.bright};
  for (uint32_t layer = 0; layer < 4; layer++) {
    for (int row = 0; row < view.height; row += bubble_cell) {
      reseed(((uint32_t)row + 137u) * (layer + 1234567u));
      for (int column = -bubble_cell; column < view.width; column += bubble_cell) {
        uint32_t a = pattern_random.random_next();
        uint32_t b = pattern_random.random_next();
        uint32_t d = pattern_random.random_next();
        int cx = column + (int)(a & 15);
        int cy = row + (int)(b & 15);
        int k = (int)((d >> 2) & 3);
        pixel_draw::filled_circle(view, cx, cy, k + 2, layers[layer]);
        pixel_draw::filled_circle(view, cx, cy, k + 1, color_black);
      }
    }
  }
}

// The next multiple of 256 above the value.
int round_up_to_block(int value) { return (value & ~255) + 256; }

}  // namespace

void draw_background_pattern(const pixel_view& view, int style, const background_theme& theme) {
  switch (style) {
    case background_none:
      pixel_draw::clear(view, color_black);
      return;
    case background_solid:
      pixel_draw::clear(view, theme.dark);
      return;
    case background_maze1:
      pixel_draw::clear(view, color_black);
      draw_maze(view, theme, false);
      return;
    case background_maze3:
      pixel_draw::clear(view, color_black);
      draw_diagonal_maze(view, theme);
      return;
    case background_bubbles:
      pixel_draw::clear(view, color_black);
      draw_bubbles(view, theme);
      return;
    default:
      pixel_draw::clear(view, color_black);
      draw_maze(view, theme, true);
      return;
  }
}

bool background_plan::needs_new_image(int client_width, int client_height, int style, int theme, bool forced,
                                      int* new_width, int* new_height) {
  bool same_look = style == last_style && theme == last_theme;
  last_style = style;
  last_theme = theme;
  if (!forced && image_exists && width >= client_width && height >= client_height && same_look) return false;
  // Larger than needed so that small resizes reuse the image; never smaller than the old one.
  // The old image's size is already a whole number of blocks, so a remake at an unchanged size
  // (a theme change) does not grow it.
  *new_width = std::max(round_up_to_block(std::max(client_width, 0)), image_exists ? width : 0);
  *new_height = std::max(round_up_to_block(std::max(client_height, 0)), image_exists ? height : 0);
  return true;
}

void background_plan::image_made(int new_width, int new_height) {
  image_exists = true;
  width = new_width;
  height = new_height;
}

void background_plan::image_lost() { image_exists = false; }
