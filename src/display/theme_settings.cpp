#include "display/theme_settings.h"

#include "config/vconfig.h"
#include "display/themes.h"

theme_settings current_theme_settings() {
  const VConfig& config = VConfig::instance();
  if (!config.current_char_cfg()) {
    const char_config defaults;
    return theme_settings{defaults.current_theme, defaults.current_background_theme, defaults.theme_bg_setting,
                          defaults.current_layout};
  }
  return theme_settings{config.get_current_theme(), config.get_current_background_theme(),
                        config.get_theme_bg_setting(), config.get_current_layout()};
}

void select_themes_from_settings() {
  theme_settings settings = current_theme_settings();
  switch_background_theme(settings.background_theme);
  switch_button_theme(settings.button_theme);
}
