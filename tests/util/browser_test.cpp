#include "util/browser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/temp_dir.h"
#include "util/threads.h"

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(LaunchBrowser, PassesTheUrlAsOneUninterpretedArgument) {
  temp_dir dir;
  std::string script = dir.file("fake-browser");
  std::string out = dir.file("args");
  {
    std::ofstream f(script);
    f << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\" >> '" << out << "'; done\n";
  }
  chmod(script.c_str(), 0755);
  launch_browser_set_program(script.c_str());
  const char* url = "http://example.invalid/a b;$(touch x)&c='q'";
  EXPECT_TRUE(launch_browser(url));
  for (int i = 0; i < 100 && read_file(out).empty(); i++) sleep_ms(20);
  EXPECT_EQ(read_file(out), std::string("[") + url + "]\n");

  launch_browser_set_program((dir.path() + "/no-such-program").c_str());
  EXPECT_FALSE(launch_browser("http://x"));
  EXPECT_FALSE(launch_browser(nullptr));
  launch_browser_set_program(nullptr);
}

}  // namespace
