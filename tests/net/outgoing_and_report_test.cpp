#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "net/game_server_address.h"
#include "net/outgoing_buffer.h"
#include "net/status_report.h"
#include "support/log_capture.h"

namespace {

const char* overflow_line = "Error in append_outgoing_string() - not enough space in outgoing buffer?\n";

TEST(outgoing_buffer, a_line_that_just_fits_still_warns_once_for_its_newline) {
  quor_outgoing_buffer buffer;
  log_capture log;
  buffer.send_line(std::string(9999, 'a').c_str());
  EXPECT_EQ(buffer.size(), 10000);
  EXPECT_EQ(buffer.data()[9999], '\n');
  EXPECT_EQ(log.count(overflow_line), 1);
}

TEST(outgoing_buffer, a_line_of_the_whole_size_loses_its_newline_and_warns_twice) {
  quor_outgoing_buffer buffer;
  log_capture log;
  buffer.send_line(std::string(10000, 'a').c_str());
  EXPECT_EQ(buffer.size(), 10000);
  EXPECT_EQ(buffer.data()[9999], 'a');
  EXPECT_EQ(log.count(overflow_line), 2);
}

TEST(outgoing_buffer, a_partial_write_keeps_the_rest_in_order) {
  quor_outgoing_buffer buffer;
  buffer.append_outgoing_string("0123456789");
  buffer.consume(3);
  EXPECT_EQ(std::string(buffer.data(), (size_t)buffer.size()), "3456789");
  buffer.send_line("x");
  EXPECT_EQ(std::string(buffer.data(), (size_t)buffer.size()), "3456789x\n");
  buffer.consume(0);
  EXPECT_EQ(buffer.size(), 9);
  buffer.consume(9);
  EXPECT_EQ(buffer.size(), 0);
}

TEST(status_report, fields_in_order) {
  char line[64];
  status_report_settings s;
  build_status_report(s, line, sizeof line);
  EXPECT_STREQ(line, "vclstatus 00000000000000000000  0  0  0");

  s.sounds_enabled = true;
  s.hint_button_enable = true;
  s.group_status_display = 2;
  s.current_layout = 1;
  s.channel_window_enable = true;
  s.font_colors_setting = 3;
  s.voting_reminders = true;
  s.current_theme = 7;
  s.current_background_theme = 12;
  s.theme_bg_setting = 3;
  build_status_report(s, line, sizeof line);
  EXPECT_STREQ(line, "vclstatus 10010000000210010031  7 12  3");

  s.font_colors_setting = 5;
  build_status_report(s, line, sizeof line);
  EXPECT_EQ(line[10 + 18], '9');
}

TEST(game_server_address, overrides) {
  struct row {
    const char* text;
    bool ok;
    const char* host;
    int port;
  } rows[] = {
      {"127.0.0.1:4000", true, "127.0.0.1", 4000},
      {"localhost", true, "localhost", 0},
      {"example.test:65535", true, "example.test", 65535},
      {"127.0.0.1:", false, nullptr, 0},
      {":4000", false, nullptr, 0},
      {"127.0.0.1:0", false, nullptr, 0},
      {"127.0.0.1:65536", false, nullptr, 0},
      {"127.0.0.1:40x", false, nullptr, 0},
      {"bad host:4000", false, nullptr, 0},
      {"", false, nullptr, 0},
  };
  for (const row& r : rows) {
    game_server_address a;
    log_capture log;
    EXPECT_EQ(parse_game_server_override(r.text, &a), r.ok) << r.text;
    if (r.ok) {
      EXPECT_STREQ(a.host, r.host);
      EXPECT_EQ(a.port, r.port);
    } else {
      EXPECT_TRUE(log.contains("is not host:port, using the default.")) << r.text;
    }
  }
}

TEST(game_server_address, environment_or_default) {
  unsetenv("VANDREL_GAME_SERVER");
  game_server_address a = game_server_from_environment();
  EXPECT_STREQ(a.host, default_game_host);
  EXPECT_EQ(a.port, 0);
  setenv("VANDREL_GAME_SERVER", "127.0.0.1:3999", 1);
  a = game_server_from_environment();
  EXPECT_STREQ(a.host, "127.0.0.1");
  EXPECT_EQ(a.port, 3999);
  setenv("VANDREL_GAME_SERVER", "nonsense:port", 1);
  a = game_server_from_environment();
  EXPECT_STREQ(a.host, default_game_host);
  unsetenv("VANDREL_GAME_SERVER");
}

}  // namespace
