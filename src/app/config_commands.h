// The server's config commands ("config" tag): switch panels on or off, or make them flash.
#pragma once

// The settings and flashes the config commands reach. Setting a value must behave like the
// menu item: mark, layout and status report follow.
class config_command_host {
 public:
  virtual ~config_command_host() = default;
  virtual int get_automap_display() = 0;
  virtual void set_automap_display(int value) = 0;
  virtual void set_hint_button_enable(int value) = 0;
  virtual void set_fkey_button_display(int value) = 0;
  virtual void set_hpbar_enable(int value) = 0;
  virtual void set_popup_display(int value) = 0;
  virtual void set_direction_button_enable(int value) = 0;
  virtual void set_exp_display(int value) = 0;
  virtual void flash_automap() = 0;
  virtual void flash_hint_buttons() = 0;
  virtual void flash_status_display() = 0;
  virtual void flash_popup_buttons() = 0;
  virtual void flash_main_window() = 0;
  virtual void flash_input_window() = 0;
};

// One config command line: a command word and an action word.
void config_cmd_process(const char* line, config_command_host& host);
