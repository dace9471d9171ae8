#include "net/status_report.h"

#include <cstdio>

namespace {

char flag(bool on) { return on ? '1' : '0'; }

// The multi-valued fields are one digit each on the wire; anything unknown is sent as 9.
char digit(int value, int highest) { return value >= 0 && value <= highest ? (char)('0' + value) : '9'; }

}  // namespace

void build_status_report(const status_report_settings& s, char* out, int size) {
  if (!out || size <= 0) return;
  char fields[21] = {
      flag(s.sounds_enabled),
      flag(s.cmd_separator),
      flag(s.direction_button_enable),
      flag(s.hint_button_enable),
      flag(s.fkey_button_display),
      flag(s.status_bar),
      flag(s.sky_bar),
      flag(s.exp_display),
      flag(s.hpbar_enable),
      flag(s.enemy_hpbar_enable),
      flag(s.popup_display),
      digit(s.group_status_display, 2),
      digit(s.current_layout, 2),
      flag(s.automap_display),
      flag(s.automap_docked),
      flag(s.channel_window_enable),
      flag(s.channel_window_dupe),
      flag(s.colorflash_enable),
      digit(s.font_colors_setting, 3),
      flag(s.voting_reminders),
      0,
  };
  snprintf(out, (size_t)size, "vclstatus %s %2d %2d %2d", fields, s.current_theme, s.current_background_theme,
           s.theme_bg_setting);
}
