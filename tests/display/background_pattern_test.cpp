// Size rules and patterns of the main frame's background image.
#include "display/background_pattern.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "util/random.h"

namespace {

struct made_size {
  bool made;
  int width, height;
};

made_size ask(background_plan& plan, int w, int h, int style = 3, int theme = 2, bool forced = false) {
  int new_w = -1, new_h = -1;
  bool made = plan.needs_new_image(w, h, style, theme, forced, &new_w, &new_h);
  if (made) plan.image_made(new_w, new_h);
  return made_size{made, plan.image_width(), plan.image_height()};
}

TEST(BackgroundPlan, SizesRoundUpPastTheNextMultipleOf256AndNeverShrink) {
  background_plan plan;
  made_size first = ask(plan, 700, 500);
  EXPECT_TRUE(first.made);
  EXPECT_EQ(first.width, 768);
  EXPECT_EQ(first.height, 512);
  made_size grown = ask(plan, 760, 510);
  EXPECT_FALSE(grown.made);
  EXPECT_EQ(grown.width, 768);
  made_size wider = ask(plan, 800, 510);
  EXPECT_TRUE(wider.made);
  EXPECT_EQ(wider.width, 1024);
  EXPECT_EQ(wider.height, 512);
  made_size smaller = ask(plan, 300, 200);
  EXPECT_FALSE(smaller.made);
  EXPECT_EQ(smaller.width, 1024);

  background_plan exact;
  EXPECT_EQ(ask(exact, 768, 256).width, 1024);
  EXPECT_EQ(exact.image_height(), 512);
}

TEST(BackgroundPlan, LookChangesAndForcingRemakeWithoutGrowing) {
  background_plan plan;
  ask(plan, 984, 728);
  EXPECT_EQ(plan.image_width(), 1024);
  EXPECT_EQ(plan.image_height(), 768);
  // Style, theme, force: each remakes the image, always at the same size.
  EXPECT_TRUE(ask(plan, 984, 728, 4, 2).made);
  EXPECT_TRUE(ask(plan, 984, 728, 4, 60).made);
  EXPECT_TRUE(ask(plan, 984, 728, 4, 60, true).made);
  EXPECT_FALSE(ask(plan, 984, 728, 4, 60).made);
  EXPECT_EQ(plan.image_width(), 1024);
  EXPECT_EQ(plan.image_height(), 768);
  // A smaller window after a theme change keeps the larger image size.
  EXPECT_TRUE(ask(plan, 400, 300, 4, 70).made);
  EXPECT_EQ(plan.image_width(), 1024);
  plan.image_lost();
  EXPECT_TRUE(ask(plan, 400, 300, 4, 70).made);
}

class pattern_image {
 public:
  pattern_image(int width, int height) : memory((size_t)width * height * 4, 0) {
    view = pixel_view{memory.data(), width, height, width * 4};
  }
  std::set<std::tuple<int, int, int>> colors() const {
    std::set<std::tuple<int, int, int>> found;
    for (size_t i = 0; i < memory.size(); i += 4) found.insert({memory[i], memory[i + 1], memory[i + 2]});
    return found;
  }
  pixel_view view;
  std::vector<uint8_t> memory;
};

std::tuple<int, int, int> rgb(quor_rgb c) { return {c.red, c.green, c.blue}; }

TEST(BackgroundPattern, EachStyleUsesItsThemeColours) {
  const background_theme& theme = background_theme_for(theme_green);
  const auto black = rgb(color_black), dark = rgb(theme.dark), middle = rgb(theme.middle), bright = rgb(theme.bright);
  struct style_case {
    int style;
    std::set<std::tuple<int, int, int>> colors;
  } cases[] = {
      {background_none, {black}},
      {background_solid, {dark}},
      {background_maze1, {black, middle}},
      {background_maze2, {black, middle, bright}},
      {background_maze3, {black, middle, bright}},
      {background_bubbles, {black, dark, middle, bright}},
  };
  for (const style_case& c : cases) {
    pattern_image image(256, 256);
    draw_background_pattern(image.view, c.style, theme);
    EXPECT_EQ(image.colors(), c.colors) << "style " << c.style;
  }
}

TEST(BackgroundPattern, PatternsDependOnlyOnSizeStyleAndTheme) {
  const background_theme& theme = background_theme_for(theme_red);
  for (int style : {2, 3, 4, 5}) {
    pattern_image once(300, 200), again(300, 200);
    draw_background_pattern(once.view, style, theme);
    // Other users of the pattern generator in between change nothing.
    pattern_random.random_seed(99);
    pattern_random.random_next();
    draw_background_pattern(again.view, style, theme);
    EXPECT_EQ(once.memory, again.memory) << "style " << style;
  }
  // Unknown styles draw Maze2.
  pattern_image maze2(200, 100), unknown(200, 100);
  draw_background_pattern(maze2.view, background_maze2, theme);
  draw_background_pattern(unknown.view, 17, theme);
  EXPECT_EQ(maze2.memory, unknown.memory);
}

}  // namespace
