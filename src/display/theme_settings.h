// The character settings the drawing layer reads: themes, background style and layout.
#pragma once

struct theme_settings {
  int button_theme;      // current_theme
  int background_theme;  // current_background_theme
  int background_style;  // theme_bg_setting
  int layout;            // current_layout
};

// The current character's values; a fresh record's defaults while there is no current character.
theme_settings current_theme_settings();

// Makes the active button and background themes those of the settings.
void select_themes_from_settings();
