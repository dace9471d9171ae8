#include "app/config_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/log_capture.h"

namespace {

class fake_config_host : public config_command_host {
 public:
  int get_automap_display() override { return automap; }
  void set_automap_display(int value) override {
    automap = value;
    record("automap_display", value);
  }
  void set_hint_button_enable(int value) override { record("hint_button_enable", value); }
  void set_fkey_button_display(int value) override { record("fkey_button_display", value); }
  void set_hpbar_enable(int value) override { record("hpbar_enable", value); }
  void set_popup_display(int value) override { record("popup_display", value); }
  void set_direction_button_enable(int value) override { record("direction_button_enable", value); }
  void set_exp_display(int value) override { record("exp_display", value); }
  void flash_automap() override { calls.push_back("flash automap"); }
  void flash_hint_buttons() override { calls.push_back("flash hint_buttons"); }
  void flash_status_display() override { calls.push_back("flash status_display"); }
  void flash_popup_buttons() override { calls.push_back("flash popup_buttons"); }
  void flash_main_window() override { calls.push_back("flash main_window"); }
  void flash_input_window() override { calls.push_back("flash input_window"); }

  void record(const char* setting, int value) { calls.push_back(std::string(setting) + "=" + std::to_string(value)); }
  std::vector<std::string> calls;
  int automap = 0;
};

struct config_case {
  const char* line;
  int automap_before;
  std::vector<std::string> calls;
  const char* log;  // "" when nothing is logged
};

TEST(config_commands, Table) {
  const config_case cases[] = {
      {"automap enable", 0, {"automap_display=1"}, ""},
      {"automap enable", 1, {}, ""},
      {"automap disable", 1, {"automap_display=0"}, ""},
      {"automap disable", 0, {}, ""},
      {"automap flash", 0, {"automap_display=1", "flash automap"}, ""},
      {"automap flash", 1, {"flash automap"}, ""},
      {"AUTOMAP FLASH", 1, {"flash automap"}, ""},
      {"automap blink", 1, {}, "Error in quor_mw::parse_cmd_automap(), bad command 'blink'.\n"},
      {"hint_buttons enable", 0, {"hint_button_enable=1"}, ""},
      {"hint_buttons disable", 0, {"hint_button_enable=0"}, ""},
      {"hint_buttons flash", 0, {"hint_button_enable=1", "flash hint_buttons"}, ""},
      {"fkey_buttons enable", 0, {"fkey_button_display=1"}, ""},
      {"fkey_buttons disable", 0, {"fkey_button_display=0"}, ""},
      {"fkey_buttons flash", 0, {}, "Error in quor_mw::parse_cmd_fkey_buttons(), bad command 'flash'.\n"},
      {"status_bar flash", 0, {"hpbar_enable=1", "flash status_display"}, ""},
      {"status_bar disable", 0, {"hpbar_enable=0"}, ""},
      {"status_bar", 0, {}, ""},
      {"status_bar   \t", 0, {}, ""},
      {"popup_buttons enable", 0, {"popup_display=1"}, ""},
      {"popup_buttons flash", 0, {"popup_display=1", "flash popup_buttons"}, ""},
      {"popup_buttons off", 0, {}, "Error in quor_mw::parse_cmd_popup_display(), bad command 'off'.\n"},
      {"main_window flash", 0, {"flash main_window"}, ""},
      {"main_window enable", 0, {}, "Error in quor_mw::parse_cmd_main_display(), bad command 'enable'.\n"},
      {"input_window flash", 0, {"flash input_window"}, ""},
      {"input_window disable", 0, {}, "Error in quor_mw::parse_cmd_input_window(), bad command 'disable'.\n"},
      {"direction_buttons enable", 0, {"direction_button_enable=1"}, ""},
      {"direction_buttons flash", 0, {}, "Error in quor_mw::parse_cmd_direction_buttons(), bad command 'flash'.\n"},
      {"exp_bar enable", 0, {"exp_display=1"}, ""},
      {"exp_bar disable", 0, {"exp_display=0"}, ""},
      {"exp_bar flashy", 0, {}, "Error in quor_mw::parse_cmd_exp_bar(), bad command 'flashy'.\n"},
      {"exp_barx enable", 0, {}, "Warning in quor_mw::config_cmd_process() - got unknown command 'exp_barx enable'.\n"},
      {"", 0, {}, "Warning in quor_mw::config_cmd_process() - got null string?\n"},
  };
  for (const config_case& c : cases) {
    fake_config_host host;
    host.automap = c.automap_before;
    log_capture log;
    config_cmd_process(c.line, host);
    EXPECT_EQ(host.calls, c.calls) << "line '" << c.line << "'";
    if (*c.log)
      EXPECT_TRUE(log.contains(c.log)) << "line '" << c.line << "' logged: " << log.text();
    else
      EXPECT_EQ(log.text(), "") << "line '" << c.line << "'";
  }
}

TEST(config_commands, NullAndHugeLines) {
  fake_config_host host;
  log_capture log;
  config_cmd_process(nullptr, host);
  EXPECT_TRUE(log.contains("got null string?"));
  std::string huge = "automap " + std::string(20000, 'z');
  config_cmd_process(huge.c_str(), host);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(log.contains("bad command 'zzz"));
  EXPECT_LT(log.text().size(), 2000u);
}

}  // namespace
