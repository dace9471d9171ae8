#include "util/debug_log.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace {

struct gate_case {
  int level;
  int categories;
  bool written;
};

TEST(DebugLogMessage, CategoryGateFollowsLevelAndTraceBit) {
  const gate_case cases[] = {
      {0, 0x004, false}, {0, 0x100, false}, {1, 0x004, true},  {1, 0x100, false}, {1, 0x001, true},
      {2, 0x002, true},  {2, 0x104, false}, {3, 0x104, true},  {3, 0x100, true},  {3, 0, false},
      {1, 0x010, true},  {2, 0x080, true},
  };
  int saved = debug_level;
  for (const gate_case& c : cases) {
    log_capture log;
    debug_level = c.level;
    debug_log_message("gate line", c.categories);
    EXPECT_EQ(log.contains("gate line\n"), c.written) << "level " << c.level << " categories " << c.categories;
  }
  debug_level = saved;
}

TEST(DebugLogFile, LazyOpenAppendsAndCloseStopsFileOutput) {
  temp_dir dir;
  std::string path = dir.file("log.txt");
  quor_client_set_debug_logfile_name(path.c_str());
  EXPECT_FALSE(quor_client_debug_logfile_is_open());
  debug_log("first line\n");
  EXPECT_TRUE(quor_client_debug_logfile_is_open());
  {
    log_capture log;
    quor_client_set_debug_logfile_name("/elsewhere");
    EXPECT_TRUE(log.contains("Error in quor_client_set_debug_logfile_name(), logfile already open."));
  }
  EXPECT_STREQ(quor_client_get_debug_logfile_name(), path.c_str());
  quor_client_debug_logfile_close();
  debug_log("after close\n");
  EXPECT_FALSE(quor_client_debug_logfile_is_open());
  {
    log_capture log;
    quor_client_debug_logfile_close();
    EXPECT_TRUE(log.contains("Error in quor_client_debug_logfile_close(), no logfile open."));
  }
  std::ifstream in(path);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_NE(content.str().find("first line\n"), std::string::npos);
  EXPECT_EQ(content.str().find("after close"), std::string::npos);
}

TEST(DebugLogFile, UnwritableAutoOpenDirectoryFallsBackToStdoutOnly) {
  temp_dir dir;
  std::string blocked = dir.file("not-a-dir");
  std::ofstream(blocked) << "x";
  debug_log_set_tmp_directory((blocked + "/").c_str());
  quor_client_set_autoopen_debug_logfile_name("vandrel_vclient.txt");
  {
    log_capture log;
    debug_log("one\n");
    debug_log("two\n");
    EXPECT_EQ(log.count("failed to open logfile"), 1) << "a failed open must not be retried on every line";
  }
  EXPECT_TRUE(quor_client_debug_logfile_failed());
  EXPECT_EQ(std::string(quor_client_get_debug_logfile_name()), blocked + "/vandrel_vclient.txt");
  EXPECT_FALSE(quor_client_debug_logfile_is_open());
  // A new name clears the failure.
  quor_client_set_autoopen_debug_logfile_name("other.txt");
  debug_log_set_tmp_directory((dir.path() + "/").c_str());
  EXPECT_FALSE(quor_client_debug_logfile_failed());
  EXPECT_TRUE(quor_client_debug_logfile_is_open());
  quor_client_debug_logfile_close();
  debug_log_set_tmp_directory(nullptr);
}

class ConfigDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* home = getenv("HOME");
    saved_home = home ? home : "";
    had_home = home != nullptr;
    char buffer[4096];
    saved_cwd = getcwd(buffer, sizeof buffer) ? buffer : "/";
  }
  void TearDown() override {
    if (had_home)
      setenv("HOME", saved_home.c_str(), 1);
    else
      unsetenv("HOME");
    EXPECT_EQ(chdir(saved_cwd.c_str()), 0);
  }
  std::string saved_home, saved_cwd;
  bool had_home = false;
};

TEST_F(ConfigDirectory, ChoosesHomeThenFallsBackToCurrentDirectory) {
  temp_dir home, cwd;
  setenv("HOME", home.path().c_str(), 1);
  ASSERT_EQ(quor_client_set_up_config_directory("VandrelTest"), 1);
  EXPECT_EQ(std::string(quor_client_get_config_directory()), home.path() + "/.VandrelTest");
  struct stat info;
  ASSERT_EQ(stat((home.path() + "/.VandrelTest").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  // A second call logs the change and replaces the choice; an unusable HOME falls back to ".<base>".
  std::string blocked = home.file("file-not-dir");
  std::ofstream(blocked) << "x";
  setenv("HOME", blocked.c_str(), 1);
  ASSERT_EQ(chdir(cwd.path().c_str()), 0);
  log_capture log;
  ASSERT_EQ(quor_client_set_up_config_directory("Vandrel"), 1);
  EXPECT_TRUE(log.contains("attempt to change config directory path after initial configuration."));
  EXPECT_TRUE(log.contains("Old path '" + home.path() + "/.VandrelTest', new base name 'Vandrel'"));
  EXPECT_TRUE(log.contains("[FAIL]"));
  EXPECT_STREQ(quor_client_get_config_directory(), ".Vandrel");
}

TEST_F(ConfigDirectory, MissingHomeFailsWithItsMessage) {
  unsetenv("HOME");
  log_capture log;
  EXPECT_EQ(quor_client_set_up_config_directory("Vandrel"), 0);
  EXPECT_TRUE(log.contains("unable to fetch home directory - please set HOME environment variable and restart."));
  EXPECT_EQ(quor_client_set_up_config_directory(nullptr), 0);
}

}  // namespace
