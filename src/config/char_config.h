// One game character's settings, the popup window positions kept with them, and the table that
// says how each setting is named in the file, what a fresh record holds and how a load checks it.
#pragma once

#include <string>
#include <vector>

// Where a popup window was and how large it was, by the popup's name.
struct popup_geometry {
  static const int max_name_length = 99;
  std::string name;
  int x = 48;
  int y = 48;
  // The text size from the popup's tag; kept in memory only.
  int columns = 0;
  int rows = 0;
  int width = 0;
  int height = 0;
};

struct char_config {
  std::string name;
  std::string font;
  int font_size = 8;
  std::string button_font;
  int button_font_size = 6;
  int keypad_walking = 1;
  int url_hotlinking = 1;
  int compact_mode = 0;
  int local_echo = 1;
  int cmd_separator = 1;
  int cmd_pushthrough = 0;
  int hint_button_enable = 1;
  int direction_button_enable = 0;
  int fkey_button_display = 0;
  int button_tooltips = 0;
  int status_bar = 1;
  int sky_bar = 1;
  int exp_display = 1;
  int hpbar_enable = 1;
  int hp_display = 0;
  int enemy_hpbar_enable = 1;
  int enemy_hp_display = 1;
  int group_status_display = 1;
  int group_status_inverted_bars = 1;
  int popup_display = 1;
  int locking_scrollback_enable = 0;
  int mw_scrollbar_enable = 1;
  int current_layout = 2;
  int current_theme = 1;
  int current_background_theme = 2;
  int font_colors_setting = 0;
  int theme_bg_setting = 3;
  int automap_docked = 1;
  int automap_display = 1;
  int automap_size = 11;
  int input_height = 48;
  int channel_window_enable = 0;
  int channel_window_height = 25;
  int channel_window_dupe = 1;
  int colorflash_enable = 1;
  // Newest first; the order has no meaning.
  std::vector<popup_geometry> popup_window_list;
};

enum class config_check {
  none,
  lowest_bit,       // a 0/1 switch keeps only its lowest bit
  replace_outside,  // outside low..high becomes replacement
  clamp,            // below low becomes low, above high becomes high
};

// One leaf of a character file; exactly one of text and number is set.
struct char_config_field {
  const char* element;
  std::string char_config::*text;
  int char_config::*number;
  config_check check;
  int low;
  int high;
  int replacement;
  // The setter ignores a value equal to the stored one.
  bool only_if_changed;
  // A change goes into the status report sent to the server.
  bool reports;
};

// Every leaf in the order it is written to the file.
const std::vector<char_config_field>& char_config_fields();

// The leaf of that element name (compared ignoring case), or null.
const char_config_field* find_char_config_field(const char* element);
// The leaf of that number, or null.
const char_config_field* find_char_config_field(int char_config::*number);

// Corrects the values that a file may hold out of range.
void apply_load_checks(char_config* config);

// The fonts a fresh record starts with: those in use when it is made.
struct config_fonts {
  std::string text_font;
  int text_font_size = 8;
  std::string button_font;
  int button_font_size = 6;
};

// A record holding every default; the fonts from those in use.
char_config make_fresh_char_config(const config_fonts& fonts);
