// The main frame's background: its seeded patterns and when the image must be made again.
#pragma once

#include "display/pixel_view.h"
#include "display/themes.h"

// Values of the background style setting; values outside these draw Maze2.
enum background_style {
  background_none = 0,
  background_solid = 1,
  background_maze1 = 2,
  background_maze2 = 3,
  background_bubbles = 4,
  background_maze3 = 5,
};

// Draws the whole pattern. The patterns reseed the pattern generator as they go, so the picture
// depends only on the size, the style and the theme.
void draw_background_pattern(const pixel_view& view, int style, const background_theme& theme);

// Decides whether the background image can be kept and, if not, the size of the new one.
class background_plan {
 public:
  // False when the existing image serves; otherwise true with the size to create.
  bool needs_new_image(int client_width, int client_height, int style, int theme, bool forced, int* new_width,
                       int* new_height);
  // After the new image exists.
  void image_made(int width, int height);
  void image_lost();

  bool has_image() const { return image_exists; }
  int image_width() const { return width; }
  int image_height() const { return height; }

 private:
  bool image_exists = false;
  int width = 0;
  int height = 0;
  int last_style = -1;
  int last_theme = -1;
};
