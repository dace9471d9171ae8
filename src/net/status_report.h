// The "vclstatus " line that tells the server which displays the player has on.
#pragma once

struct status_report_settings {
  bool sounds_enabled = false;
  bool cmd_separator = false;
  bool direction_button_enable = false;
  bool hint_button_enable = false;
  bool fkey_button_display = false;
  bool status_bar = false;
  bool sky_bar = false;
  bool exp_display = false;
  bool hpbar_enable = false;
  bool enemy_hpbar_enable = false;
  bool popup_display = false;
  int group_status_display = 0;  // 0 off, 1 vertical, 2 horizontal
  int current_layout = 0;        // 0 embedded, 1 left top, 2 left bottom
  bool automap_display = false;
  bool automap_docked = false;
  bool channel_window_enable = false;
  bool channel_window_dupe = false;
  bool colorflash_enable = false;
  int font_colors_setting = 0;  // 0 default, 1 bright, 2 ZMud, 3 GMud
  bool voting_reminders = false;
  int current_theme = 0;
  int current_background_theme = 0;
  int theme_bg_setting = 0;
};

// Writes the line (without newline) into out; size 64 is always enough.
void build_status_report(const status_report_settings& settings, char* out, int size);
