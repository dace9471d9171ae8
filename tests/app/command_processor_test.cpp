#include "app/command_processor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_test_support.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"
#include "util/debug_log.h"

namespace {

class fake_command_host : public command_host {
 public:
  text_output& main_text() override { return text; }
  bool is_connected() override { return connected; }
  bool is_playing() override { return playing; }
  void send_line(const char* line) override { calls.push_back(std::string("send_line:") + line); }
  void socket_connect(int port) override { calls.push_back("connect:" + std::to_string(port)); }
  void drop_connection(const char* message) override { calls.push_back(std::string("drop:") + message); }
  void send_ping() override { calls.push_back("ping"); }
  void note_command_time() override { command_times++; }
  void system_shutdown_handler() override { calls.push_back("shutdown"); }
  bool password_mode() override { return password; }
  bool local_echo() override { return echo; }
  bool cmd_separator() override { return separator; }
  void show_keyboard_help() override { calls.push_back("keyboard_help"); }
  void show_version() override { calls.push_back("version"); }
  void show_history() override { calls.push_back("history"); }
  void clear_display() override { calls.push_back("clear_display"); }
  void clear_channel_windows() override { calls.push_back("clear_channels"); }
  void debug_fill() override { calls.push_back("debug_fill"); }
  void process_tagged_data(const char* name, const char* data, int length) override {
    calls.push_back(std::string("tag:") + name + ":" + data + ":" + std::to_string(length));
  }

  recording_text_output text;
  std::vector<std::string> calls;
  bool connected = true;
  bool playing = true;
  bool password = false;
  bool echo = false;
  bool separator = false;
  int command_times = 0;
};

struct command_case {
  const char* text;
  bool connected;
  bool playing;
  const char* expected_call;  // "" when nothing may happen
};

class command_processor_test : public ::testing::Test {
 protected:
  void SetUp() override { saved_level = debug_level; }
  void TearDown() override { debug_level = saved_level; }
  fake_command_host host;
  command_processor processor{host};
  int saved_level = 3;
};

TEST_F(command_processor_test, MatchingTable) {
  const command_case cases[] = {
      {"//commands", true, true, ""},  // the help screen writes text only
      {"//C", true, true, ""},
      {"//help", true, true, "keyboard_help"},
      {"//hel", true, true, "keyboard_help"},
      {"//he", true, true, "keyboard_help"},
      {"//h", true, true, "keyboard_help"},
      {"//hi", true, true, "history"},
      {"//version", true, true, "version"},
      {"//ver", true, true, "version"},
      {"//break", true, true, "send_line:\x03"},
      {"//bre", true, true, "send_line:\x03"},
      {"//his", true, true, "history"},
      {"//quit", true, true, "shutdown"},
      {"//qui", true, true, "send_line://qui"},
      {"//exit", true, true, "shutdown"},
      {"//EXIT", false, false, "shutdown"},
      {"//disc", true, true, "drop:Disconnecting."},
      {"//disconnect", true, true, "drop:Disconnecting."},
      {"//dis", true, true, "send_line://dis"},
      {"//cl", true, true, "clear_display"},
      {"//clear", true, true, "clear_display"},
      {"//cc", true, true, "clear_channels"},
      {"//cclear", true, true, "clear_channels"},
      {"//chanclear", true, true, "clear_channels"},
      {"//ch", true, true, "clear_channels"},
      {"vcping", true, true, "ping"},
      {"VCPING", true, true, "ping"},
      {"vcping", true, false, "send_line:vcping"},
      {"//ping", true, true, "ping"},
      {"//pin", true, true, "ping"},
      {"//ping", true, false, "send_line://ping"},
      {"//ping", false, false, ""},
      {"//debugfill", true, true, "debug_fill"},
      {"//debugfilx", true, true, "send_line://debugfilx"},
      {"//icons 10101", true, true, "tag:icons:10101:1"},
      {"//icons", true, true, "tag:icons::1"},
      {"//soundtest bell", true, true, "tag:sound:bell:1"},
      {"//iconsx", true, true, "send_line://iconsx"},
      {"//", true, true, "send_line://"},
      {"//", false, false, ""},
      {"", true, true, "send_line:"},
      {"//nonsense", true, true, "send_line://nonsense"},
      {"say hello there", true, true, "send_line:say hello there"},
      {"connect", true, true, "send_line:connect"},
      // Disconnected words.
      {"c", false, false, "connect:0"},
      {"connect 4000", false, false, "connect:4000"},
      {"co 0", false, false, "connect:0"},
      {"CONNECT", false, false, "connect:0"},
      {"connection", false, false, ""},
      {"connect abc", false, false, "connect:0"},
      {"re", false, false, "connect:0"},
      {"r", false, false, ""},
      {"restart 5000", false, false, "connect:5000"},
      {"st", false, false, "connect:0"},
      {"s", false, false, ""},
      {"logi", false, false, "connect:0"},
      {"log", false, false, ""},
      {"login", false, false, "connect:0"},
      {"q", false, false, ""},
      {"qu", false, false, ""},
      {"qui", false, false, "shutdown"},
      {"quit", false, false, "shutdown"},
      {"quits", false, false, ""},
      {"ex", false, false, "shutdown"},
      {"e", false, false, ""},
      {"north", false, false, ""},
  };
  for (const command_case& c : cases) {
    host.calls.clear();
    host.connected = c.connected;
    host.playing = c.playing;
    processor.send_command(c.text, false);
    if (*c.expected_call) {
      ASSERT_EQ(host.calls.size(), 1u) << "command '" << c.text << "'";
      EXPECT_EQ(host.calls[0], c.expected_call) << "command '" << c.text << "'";
    } else {
      EXPECT_TRUE(host.calls.empty()) << "command '" << c.text << "' ran " << host.calls[0];
    }
  }
}

TEST_F(command_processor_test, EveryCommandCountsAsActivity) {
  processor.send_command("look", true);
  processor.send_command("//cl", false);
  EXPECT_EQ(host.command_times, 2);
}

TEST_F(command_processor_test, HelpScreenTextAndCase) {
  processor.send_command("//C", false);
  EXPECT_EQ(host.text.steps.front(), "reset");
  EXPECT_EQ(host.text.steps.back(), "refresh");
  EXPECT_NE(host.text.shown.find("\nVClient Control Commands -------------------------------"), std::string::npos);
  EXPECT_NE(host.text.shown.find("\nconnect <port>           - connect on a specified port"), std::string::npos);
  const std::string ending = "\nquit                     - quick program exit\n";
  ASSERT_GE(host.text.shown.size(), ending.size());
  EXPECT_EQ(host.text.shown.substr(host.text.shown.size() - ending.size()), ending);
}

TEST_F(command_processor_test, LocalEchoForms) {
  host.echo = true;
  host.separator = true;
  processor.send_command("look", true);
  const std::vector<std::string> separated = {
      "reset", "text:\n", "text:\n", "colors:1,51", "text:>", "colors:0,55", "text:look", "colors:1,51",
      "text:<", "colors:1,55",
      "text:\n-------------------------------------------------------------------------", "reset", "refresh"};
  EXPECT_EQ(host.text.steps, separated);

  // An empty line has no separator lines.
  host.text.clear();
  processor.send_command("", true);
  const std::vector<std::string> empty = {"reset",       "text:\n", "colors:1,51", "text:>", "colors:0,55",
                                          "text:",       "colors:1,51", "text:<", "reset", "refresh"};
  EXPECT_EQ(host.text.steps, empty);
}

TEST_F(command_processor_test, NoEchoWhenOffNotAskedOrPassword) {
  struct {
    bool local_echo, asked, password;
  } cases[] = {{false, true, false}, {true, false, false}, {true, true, true}};
  for (const auto& c : cases) {
    host.text.clear();
    host.echo = c.local_echo;
    host.password = c.password;
    processor.send_command("secret", c.asked);
    EXPECT_EQ(host.text.shown.find("secret"), std::string::npos);
    EXPECT_EQ(host.calls.back(), "send_line:secret");
  }
}

TEST_F(command_processor_test, EchoShowsTheArgument) {
  processor.send_command("//echo hello  world", false);
  EXPECT_EQ(host.text.shown, "\nhello  world");
  EXPECT_EQ(host.text.steps.back(), "refresh");
  host.text.clear();
  processor.send_command("//e", false);
  EXPECT_EQ(host.text.shown, "\n");
}

TEST_F(command_processor_test, BreakReturnsTheViewToTheEnd) {
  processor.send_command("//break", false);
  EXPECT_EQ(host.calls, std::vector<std::string>{"send_line:\x03"});
  EXPECT_EQ(host.text.steps, std::vector<std::string>{"follow"});
}

TEST_F(command_processor_test, DebugLevelChangesWithoutRangeCheck) {
  debug_level = 3;
  processor.send_command("//debug 9", false);
  EXPECT_EQ(debug_level, 9);
  EXPECT_EQ(host.text.shown, "\nDebug level changed from 3 to 9.\n\n");
  host.text.clear();
  processor.send_command("//debuglevel 2", false);
  EXPECT_EQ(debug_level, 2);
  EXPECT_EQ(host.text.shown, "\nDebug level changed from 9 to 2.\n\n");
  host.text.clear();
  processor.send_command("//deb", false);
  EXPECT_EQ(debug_level, 2);
  EXPECT_NE(host.text.shown.find("The current debug level is:     2\n"), std::string::npos);
  EXPECT_NE(host.text.shown.find("To change the debug level, you must give a number between 0 and 3.\n"),
            std::string::npos);
}

TEST_F(command_processor_test, DebugFileCommand) {
  temp_dir dir;
  std::string first = dir.file("first.txt");
  quor_client_set_debug_logfile_name(first.c_str());
  quor_client_try_open_debug_logfile();
  ASSERT_TRUE(quor_client_debug_logfile_is_open());

  std::string second = dir.file("second.txt");
  processor.send_command(("//debugfile " + second).c_str(), false);
  EXPECT_EQ(host.text.shown, "Debug logfile changed.\n\n");
  EXPECT_STREQ(quor_client_get_debug_logfile_name(), second.c_str());

  // A name that cannot open keeps the old file.
  host.text.clear();
  processor.send_command(("//debugfilename " + dir.file("missing/x.txt")).c_str(), false);
  EXPECT_EQ(host.text.shown, "Unable to open new logfile, old logfile not changed.\n\n");
  EXPECT_STREQ(quor_client_get_debug_logfile_name(), second.c_str());
  EXPECT_TRUE(quor_client_debug_logfile_is_open());

  host.text.clear();
  processor.send_command("//debugfile", false);
  EXPECT_NE(host.text.shown.find("The current debug filename is:  " + second), std::string::npos);
  EXPECT_NE(host.text.shown.find("You must give a filename to change the debug file.\n\n"), std::string::npos);

  // With no file before, a failing name has nothing to go back to.
  quor_client_debug_logfile_close();
  host.text.clear();
  processor.send_command(("//debugf " + dir.file("missing/y.txt")).c_str(), false);
  EXPECT_EQ(host.text.shown, "Unable to open logfile.  Please try again with a different name/path.\n\n");
  host.text.clear();
  processor.send_command("//debugfile", false);
  EXPECT_NE(host.text.shown.find("Debug logging is currently DISABLED - unable to open debug file.\n"),
            std::string::npos);
  quor_client_set_debug_logfile_name(nullptr);
}

TEST_F(command_processor_test, LongAndOddInputIsHandled) {
  std::string huge(20000, 'x');
  processor.send_command(huge.c_str(), true);
  EXPECT_EQ(host.calls.back(), "send_line:" + huge);
  std::string bytes = "//echo ";
  for (int c = 1; c < 256; c++) bytes.push_back((char)c);
  processor.send_command(bytes.c_str(), false);
  processor.send_command(nullptr, true);
  EXPECT_EQ(host.calls.back(), "send_line:");
  host.connected = false;
  processor.send_command(("connect " + std::string(400, '9')).c_str(), false);
  EXPECT_EQ(host.calls.back(), "connect:2147483647");
}

}  // namespace
