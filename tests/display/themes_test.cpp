// Theme lookup by the values the settings hold.
#include "display/themes.h"

#include <gtest/gtest.h>

namespace {

TEST(Themes, ValuesSelectTheirThemesAndAnythingElseSelectsBlue) {
  struct theme_case {
    int value;
    quor_rgb bright;
    uint32_t plain_border;
  } cases[] = {
      {0, {80, 80, 0}, 0xc0c000},   {1, {0, 0, 96}, 0x202080},    {2, {80, 0, 0}, 0x806000},
      {40, {80, 32, 16}, 0x806040}, {50, {48, 80, 0}, 0x90c000},  {60, {0, 80, 0}, 0x008000},
      {70, {0, 56, 80}, 0x206080},  {80, {80, 0, 80}, 0x804080},  {90, {64, 64, 64}, 0x606060},
      {10, {0, 0, 96}, 0x202080},   {-1, {0, 0, 96}, 0x202080},  {3, {0, 0, 96}, 0x202080},
  };
  for (const theme_case& c : cases) {
    EXPECT_EQ(background_theme_for(c.value).bright, c.bright) << c.value;
    EXPECT_EQ(button_theme_for(c.value)[button_theme::plain_border], quor_rgb::from_value(c.plain_border)) << c.value;
  }
}

TEST(Themes, TablesKeepTheirOrder) {
  const background_theme& cyan = background_theme_for(theme_cyan);
  EXPECT_EQ(cyan.middle, quor_rgb(0, 40, 64));
  EXPECT_EQ(cyan.dark, quor_rgb(0, 24, 48));
  const button_theme& blue = button_theme_for(theme_blue);
  EXPECT_EQ(blue[button_theme::automap_frame], quor_rgb(0x30, 0x30, 0xc0));
  EXPECT_EQ(blue[button_theme::plain_text], color_yellow);
  EXPECT_EQ(blue[button_theme::disabled_text], quor_rgb(0x60, 0x60, 0x60));
  const button_theme& grey = button_theme_for(theme_grey);
  EXPECT_EQ(grey[button_theme::pressed_fill], quor_rgb(0x20, 0x20, 0x20));
  EXPECT_EQ(grey[button_theme::highlighted_fill], quor_rgb(0x50, 0x50, 0x50));
  const button_theme& red = button_theme_for(theme_red);
  EXPECT_EQ(red[button_theme::highlighted_border], quor_rgb(0xff, 0xc0, 0x00));
  EXPECT_EQ(red[button_theme::toggled_hover_fill], quor_rgb(0x20, 0, 0));
}

TEST(Themes, SwitchingSetsTheActiveThemes) {
  EXPECT_EQ(active_background_theme, &background_theme_for(theme_blue));
  switch_background_theme(theme_purple);
  switch_button_theme(theme_brown);
  EXPECT_EQ(active_background_theme, &background_theme_for(theme_purple));
  EXPECT_EQ(active_button_theme, &button_theme_for(theme_brown));
  switch_background_theme(12345);
  switch_button_theme(12345);
  EXPECT_EQ(active_background_theme, &background_theme_for(theme_blue));
  EXPECT_EQ(active_button_theme, &button_theme_for(theme_blue));
}

}  // namespace
