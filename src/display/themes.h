// The nine colour themes of the buttons and of the main frame's background, chosen by theme value.
#pragma once

#include "display/quor_rgb.h"

struct background_theme {
  quor_rgb bright;
  quor_rgb middle;
  quor_rgb dark;
};

struct button_theme {
  // Two frame colours, then (border, fill, text) for each button look.
  enum entry {
    automap_frame,
    group_frame,
    highlighted_border,
    highlighted_fill,
    highlighted_text,
    highlighted_hover_border,
    highlighted_hover_fill,
    highlighted_hover_text,
    plain_border,
    plain_fill,
    plain_text,
    plain_hover_border,
    plain_hover_fill,
    plain_hover_text,
    pressed_border,
    pressed_fill,
    pressed_text,
    toggled_border,
    toggled_fill,
    toggled_text,
    toggled_hover_border,
    toggled_hover_fill,
    toggled_hover_text,
    disabled_border,
    disabled_fill,
    disabled_text,
    entry_count
  };
  quor_rgb colors[entry_count];

  const quor_rgb& operator[](entry which) const { return colors[which]; }
};

// Theme values as the settings store them; any other value means Blue.
enum theme_value {
  theme_yellow = 0,
  theme_blue = 1,
  theme_red = 2,
  theme_brown = 40,
  theme_ygreen = 50,
  theme_green = 60,
  theme_cyan = 70,
  theme_purple = 80,
  theme_grey = 90,
};

const background_theme& background_theme_for(int value);
const button_theme& button_theme_for(int value);

// The themes in use; Blue until switched.
extern const background_theme* active_background_theme;
extern const button_theme* active_button_theme;

void switch_background_theme(int value);
void switch_button_theme(int value);
