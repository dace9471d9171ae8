#include "app/config_commands.h"

#include "util/debug_log.h"
#include "util/words.h"

namespace {

enum action_kind { action_enable, action_disable, action_flash, action_unknown };

action_kind read_action(const char* action) {
  if (word_equal(action, "enable")) return action_enable;
  if (word_equal(action, "disable")) return action_disable;
  if (word_equal(action, "flash")) return action_flash;
  return action_unknown;
}

// Which actions a command knows, its setting, its flash and the log line for anything else.
struct config_command {
  const char* word;
  void (config_command_host::*set)(int value);
  void (config_command_host::*flash)();
  const char* bad_command;
};

const config_command commands[] = {
    {"hint_buttons", &config_command_host::set_hint_button_enable, &config_command_host::flash_hint_buttons,
     "Error in quor_mw::parse_cmd_hint_buttons(), bad command '%s'.\n"},
    {"fkey_buttons", &config_command_host::set_fkey_button_display, nullptr,
     "Error in quor_mw::parse_cmd_fkey_buttons(), bad command '%s'.\n"},
    {"status_bar", &config_command_host::set_hpbar_enable, &config_command_host::flash_status_display,
     "Error in quor_mw::parse_cmd_status_bar(), bad command '%s'.\n"},
    {"popup_buttons", &config_command_host::set_popup_display, &config_command_host::flash_popup_buttons,
     "Error in quor_mw::parse_cmd_popup_display(), bad command '%s'.\n"},
    {"main_window", nullptr, &config_command_host::flash_main_window,
     "Error in quor_mw::parse_cmd_main_display(), bad command '%s'.\n"},
    {"input_window", nullptr, &config_command_host::flash_input_window,
     "Error in quor_mw::parse_cmd_input_window(), bad command '%s'.\n"},
    {"direction_buttons", &config_command_host::set_direction_button_enable, nullptr,
     "Error in quor_mw::parse_cmd_direction_buttons(), bad command '%s'.\n"},
    {"exp_bar", &config_command_host::set_exp_display, nullptr,
     "Error in quor_mw::parse_cmd_exp_bar(), bad command '%s'.\n"},
};

void bad_command(const char* format, const char* action) {
  // The action runs to the end of the line; a log line shows a bounded part of it.
  char word[200];
  int n = 0;
  while (action[n] && !is_word_separator(action[n]) && n < (int)sizeof word - 1) {
    word[n] = action[n];
    n++;
  }
  word[n] = 0;
  if (debug_level > 1) debug_log(format, word);
}

// The automap changes only when its state really changes: its visibility drives the layout.
void automap_command(const char* action, config_command_host& host) {
  switch (read_action(action)) {
    case action_enable:
      if (!host.get_automap_display()) host.set_automap_display(1);
      return;
    case action_disable:
      if (host.get_automap_display()) host.set_automap_display(0);
      return;
    case action_flash:
      if (!host.get_automap_display()) host.set_automap_display(1);
      host.flash_automap();
      return;
    case action_unknown:
      bad_command("Error in quor_mw::parse_cmd_automap(), bad command '%s'.\n", action);
      return;
  }
}

void table_command(const config_command& command, const char* action, config_command_host& host) {
  action_kind kind = read_action(action);
  if (kind == action_enable && command.set) {
    (host.*command.set)(1);
  } else if (kind == action_disable && command.set) {
    (host.*command.set)(0);
  } else if (kind == action_flash && command.flash) {
    if (command.set) (host.*command.set)(1);
    (host.*command.flash)();
  } else {
    bad_command(command.bad_command, action);
  }
}

}  // namespace

void config_cmd_process(const char* line, config_command_host& host) {
  if (!line || !*line) {
    if (debug_level > 1) debug_log("Warning in quor_mw::config_cmd_process() - got null string?\n");
    return;
  }
  const char* action = next_arg(line);
  if (word_equal(line, "automap")) {
    if (action) automap_command(action, host);
    return;
  }
  for (const config_command& command : commands) {
    if (!word_equal(line, command.word)) continue;
    if (action) table_command(command, action, host);
    return;
  }
  if (debug_level > 1) debug_log("Warning in quor_mw::config_cmd_process() - got unknown command '%.200s'.\n", line);
}
