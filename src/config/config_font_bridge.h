// What the configuration needs from the toolkit's fonts, kept behind an interface so that the
// configuration model stays free of the toolkit.
#pragma once

#include "config/char_config.h"

class config_font_bridge {
 public:
  virtual ~config_font_bridge() = default;
  // The native descriptions of the text and button fonts in use and the button font's size.
  virtual config_fonts fonts_in_use() = 0;
  // Makes the program's text, button and large button fonts those of the record.
  virtual void apply_fonts(const char_config& config) = 0;
};
