// The configuration's link to the toolkit's fonts: native font descriptions in and out.
#pragma once

class config_font_bridge;
class wxFont;

// The bridge that reads and sets the program's three fonts; lives as long as the process.
config_font_bridge* toolkit_font_bridge();

// Record the font in use in the current character's settings (description and point size).
void store_text_font(const wxFont& font);
void store_button_font(const wxFont& font);
