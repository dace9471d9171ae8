#include "config/toolkit_fonts.h"

#include <wx/font.h>

#include <string>

#include "app/app_globals.h"
#include "config/config_font_bridge.h"
#include "config/vconfig.h"
#include "display/quor_font.h"
#include "util/debug_log.h"

namespace {

// Sizes a file may hold are not checked on load for the button font; the toolkit must not see absurd ones.
const int smallest_point_size = 2;
const int largest_point_size = 150;

std::string description_of(const wxFont* font) {
  if (!font || !font->IsOk()) return std::string();
  return std::string(font->GetNativeFontInfoDesc().utf8_str());
}

// The font takes the description when the toolkit accepts it, and the size in any case.
void apply_to(wxFont* font, const std::string& description, int point_size) {
  if (!font) return;
  if (!description.empty()) font->SetNativeFontInfo(wxString::FromUTF8(description.c_str()));
  font->SetPointSize(point_size);
}

class toolkit_bridge : public config_font_bridge {
 public:
  config_fonts fonts_in_use() override {
    config_fonts fonts;
    fonts.text_font = description_of(text_font);
    fonts.button_font = description_of(button_font);
    if (button_font && button_font->IsOk()) fonts.button_font_size = button_font->GetPointSize();
    return fonts;
  }

  void apply_fonts(const char_config& config) override {
    apply_to(text_font, config.font, config.font_size);
    int size = config.button_font_size;
    if (size < smallest_point_size || size > largest_point_size) {
      if (debug_level > 1)
        debug_log("Warning in VConfig::apply_font(), button font size %d out of range; keeping the size in use.\n",
                  size);
      size = button_font ? button_font->GetPointSize() : 6;
    }
    apply_to(button_font, config.button_font, size);
    apply_to(large_button_font, config.button_font, size + 2);
  }
};

}  // namespace

config_font_bridge* toolkit_font_bridge() {
  static toolkit_bridge bridge;
  return &bridge;
}

void store_text_font(const wxFont& font) {
  VConfig::instance().store_text_font(description_of(&font).c_str(), font.GetPointSize());
}

void store_button_font(const wxFont& font) {
  VConfig::instance().store_button_font(description_of(&font).c_str(), font.GetPointSize());
}
