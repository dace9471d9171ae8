#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/log_capture.h"

namespace {

std::string run(std::vector<std::string> args) {
  launcher_version[0] = 0;
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  read_command_line((int)argv.size(), argv.data());
  return launcher_version;
}

TEST(CommandLine, LauncherVersionRules) {
  struct {
    std::vector<std::string> args;
    std::string version;
  } cases[] = {
      {{"vandrel", "-n", "-l", "2.1"}, "2.1"},
      {{"vandrel", "-l", "2.1", "-n"}, "(old style launcher)"},
      {{"vandrel", "-l"}, ""},
      {{"vandrel", "-L", "2.1"}, ""},
      {{"vandrel", "-l", "-n"}, "-n"},
      {{"vandrel", "-l", std::string(300, 'v')}, std::string(256, 'v')},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.args), c.version);
}

TEST(CommandLine, EveryArgumentIsLoggedWithItsRole) {
  log_capture log;
  run({"vandrel", "-l", "3.0", "-n", "--weird"});
  EXPECT_TRUE(log.contains("DEBUG - Command line executable name:  vandrel\n"));
  EXPECT_TRUE(log.contains("DEBUG - Command line launcher flag:    -l\n"));
  EXPECT_TRUE(log.contains("DEBUG - Command line launcher version: 3.0\n"));
  EXPECT_TRUE(log.contains("DEBUG - Command line old launcher:     -n\n"));
  EXPECT_TRUE(log.contains("DEBUG - Unknown command line arg:      --weird\n"));
}

}  // namespace
