#include "config/char_config.h"

#include <cstring>

#include "util/words.h"

namespace {

char_config_field text_field(const char* element, std::string char_config::*member) {
  return {element, member, nullptr, config_check::none, 0, 0, 0, false, false};
}

char_config_field number_field(const char* element, int char_config::*member, config_check check = config_check::none,
                               int low = 0, int high = 0, int replacement = 0) {
  return {element, nullptr, member, check, low, high, replacement, false, false};
}

char_config_field switch_field(const char* element, int char_config::*member) {
  return number_field(element, member, config_check::lowest_bit);
}

// How the setters treat the settings the server hears of or that show and hide panels.
struct setter_rule {
  const char* element;
  bool only_if_changed;
  bool reports;
};

const setter_rule setter_rules[] = {
    {"cmd_separator", false, true},
    {"direction_button_enable", true, true},
    {"hint_button_enable", true, true},
    {"fkey_button_display", true, true},
    {"status_bar", true, true},
    {"sky_bar", true, true},
    {"exp_display", true, true},
    {"hpbar_enable", true, true},
    {"enemy_hpbar_enable", true, true},
    {"popup_display", true, true},
    {"mw_scrollbar_enable", true, false},
    {"group_status_display", true, true},
    {"current_layout", true, true},
    {"current_theme", true, true},
    {"current_background_theme", true, true},
    {"font_colors_setting", false, true},
    {"theme_bg_setting", true, true},
    {"automap_docked", false, true},
    {"automap_display", false, true},
    {"channel_window_enable", true, true},
    {"channel_window_dupe", false, true},
    {"colorflash_enable", false, true},
};

void apply_setter_rules(std::vector<char_config_field>* fields) {
  for (char_config_field& field : *fields) {
    for (const setter_rule& rule : setter_rules) {
      if (strcmp(rule.element, field.element) != 0) continue;
      field.only_if_changed = rule.only_if_changed;
      field.reports = rule.reports;
    }
  }
}

std::vector<char_config_field> build_fields() {
  using c = char_config;
  const config_check outside = config_check::replace_outside;
  return {
      text_field("name", &c::name),
      text_field("font", &c::font),
      number_field("font_size", &c::font_size, outside, 2, 150, 10),
      text_field("button_font", &c::button_font),
      number_field("button_font_size", &c::button_font_size),
      switch_field("keypad_walking", &c::keypad_walking),
      switch_field("url_hotlinking", &c::url_hotlinking),
      switch_field("compact_mode", &c::compact_mode),
      switch_field("local_echo", &c::local_echo),
      switch_field("cmd_separator", &c::cmd_separator),
      switch_field("cmd_pushthrough", &c::cmd_pushthrough),
      switch_field("hint_button_enable", &c::hint_button_enable),
      switch_field("direction_button_enable", &c::direction_button_enable),
      switch_field("fkey_button_display", &c::fkey_button_display),
      switch_field("button_tooltips", &c::button_tooltips),
      switch_field("status_bar", &c::status_bar),
      switch_field("sky_bar", &c::sky_bar),
      switch_field("exp_display", &c::exp_display),
      switch_field("hpbar_enable", &c::hpbar_enable),
      switch_field("hp_display", &c::hp_display),
      switch_field("enemy_hpbar_enable", &c::enemy_hpbar_enable),
      switch_field("enemy_hp_display", &c::enemy_hp_display),
      number_field("group_status_display", &c::group_status_display, outside, 0, 2, 0),
      switch_field("group_status_inverted_bars", &c::group_status_inverted_bars),
      switch_field("popup_display", &c::popup_display),
      switch_field("locking_scrollback_enable", &c::locking_scrollback_enable),
      switch_field("mw_scrollbar_enable", &c::mw_scrollbar_enable),
      number_field("current_layout", &c::current_layout, config_check::clamp, 0, 2),
      number_field("current_theme", &c::current_theme),
      number_field("current_background_theme", &c::current_background_theme),
      number_field("font_colors_setting", &c::font_colors_setting, outside, 0, 3, 0),
      number_field("theme_bg_setting", &c::theme_bg_setting, outside, 0, 5, 3),
      switch_field("automap_docked", &c::automap_docked),
      switch_field("automap_display", &c::automap_display),
      number_field("automap_size", &c::automap_size, outside, 1, 400, 11),
      number_field("input_height", &c::input_height, outside, 24, 800, 48),
      switch_field("channel_window_enable", &c::channel_window_enable),
      number_field("channel_window_height", &c::channel_window_height, outside, 10, 80, 25),
      switch_field("channel_window_dupe", &c::channel_window_dupe),
      switch_field("colorflash_enable", &c::colorflash_enable),
  };
}

}  // namespace

const std::vector<char_config_field>& char_config_fields() {
  static const std::vector<char_config_field> fields = [] {
    std::vector<char_config_field> built = build_fields();
    apply_setter_rules(&built);
    return built;
  }();
  return fields;
}

const char_config_field* find_char_config_field(int char_config::*number) {
  for (const char_config_field& field : char_config_fields())
    if (field.number == number) return &field;
  return nullptr;
}

const char_config_field* find_char_config_field(const char* element) {
  for (const char_config_field& field : char_config_fields())
    if (word_equal(element, field.element)) return &field;
  return nullptr;
}

void apply_load_checks(char_config* config) {
  for (const char_config_field& field : char_config_fields()) {
    if (!field.number) continue;
    int& value = config->*field.number;
    switch (field.check) {
      case config_check::none:
        break;
      case config_check::lowest_bit:
        value &= 1;
        break;
      case config_check::replace_outside:
        if (value < field.low || value > field.high) value = field.replacement;
        break;
      case config_check::clamp:
        if (value < field.low) value = field.low;
        if (value > field.high) value = field.high;
        break;
    }
  }
}

char_config make_fresh_char_config(const config_fonts& fonts) {
  char_config config;
  config.font = fonts.text_font;
  config.font_size = fonts.text_font_size;
  config.button_font = fonts.button_font;
  config.button_font_size = fonts.button_font_size;
  return config;
}
