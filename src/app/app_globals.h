// Process-wide values set up by the application's start-up.
#pragma once

class quor_font;
class quor_mw;

// The text, button and large button fonts (created in that order at start-up).
extern quor_font* text_font;
extern quor_font* button_font;
extern quor_font* large_button_font;

// Client area of the display holding the main frame; never below 1.
struct display_size {
  int width;
  int height;
};
extern display_size screen_size;

// The one main frame; null before it is built and after it is destroyed.
extern quor_mw* main_frame;
