// Damaged files and failing disks: loads stay usable and saves never leave a half-written file.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "config/char_config.h"
#include "config/vconfig.h"
#include "support/temp_dir.h"
#include "util/debug_log.h"
#include "util/random.h"
#include "xml_test_support.h"

namespace {

std::vector<std::string> names_in(const std::string& directory) {
  std::vector<std::string> names;
  DIR* d = opendir(directory.c_str());
  if (!d) return names;
  while (dirent* entry = readdir(d))
    if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0) names.push_back(entry->d_name);
  closedir(d);
  return names;
}

// A character with popups and a system file with vote entries, saved by the real code.
void save_sample(const std::string& directory, int popups, int url_length) {
  VConfig config(directory);
  config.load_system_config_file();
  config.select_char_config("Bob");
  config.set_automap_size(42);
  for (int i = 0; i < popups; i++) {
    popup_geometry popup;
    popup.name = "popup " + std::to_string(i) + " <&>";
    popup.x = i;
    popup.width = 100 + i;
    config.store_popup_geometry(popup);
  }
  for (int i = 0; i < VConfig::vote_menu_entries; i++)
    config.set_vote_menu_entry(i, ("site " + std::to_string(i)).c_str(), std::string(url_length, 'u').c_str());
  ASSERT_TRUE(config.save_system_config_file());
}

// Everything a loaded record must satisfy whatever the file held.
void expect_checked(const char_config& config) {
  char_config corrected = config;
  apply_load_checks(&corrected);
  for (const char_config_field& field : char_config_fields()) {
    if (field.number) {
      EXPECT_EQ(corrected.*field.number, config.*field.number) << field.element;
    }
  }
}

TEST(ConfigSaving, AFailedWriteLeavesThePreviousFilesIntact) {
  temp_dir tmp;
  save_sample(tmp.path(), 1, 10);
  const std::string system_path = tmp.file("vandrel.cfg");
  const std::string char_path = tmp.file("char_configs/Bob.cfg");
  const std::string old_system = read_whole_file(system_path);
  const std::string old_char = read_whole_file(char_path);
  ASSERT_FALSE(old_system.empty());
  ASSERT_FALSE(old_char.empty());

  // Both new files are far larger than the limit, so each write stops part way.
  const rlim_t limit = 600;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit small = {limit, limit};
    setrlimit(RLIMIT_FSIZE, &small);
    VConfig config(tmp.path());
    config.load_system_config_file();
    for (int i = 0; i < 100; i++) {
      popup_geometry popup;
      popup.name = "grown " + std::to_string(i);
      config.store_popup_geometry(popup);
    }
    for (int i = 0; i < VConfig::vote_menu_entries; i++)
      config.set_vote_menu_entry(i, "big", std::string(200, 'v').c_str());
    bool saved = config.save_system_config_file();
    _exit(saved ? 0 : 3);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
  EXPECT_EQ(3, WEXITSTATUS(status)) << "the save must report its failure";

  EXPECT_EQ(old_system, read_whole_file(system_path));
  EXPECT_EQ(old_char, read_whole_file(char_path));
  // No temporary files are left behind.
  EXPECT_EQ((std::vector<std::string>{"Bob.cfg"}), names_in(tmp.file("char_configs")));
  for (const std::string& name : names_in(tmp.path())) EXPECT_EQ(std::string::npos, name.find(".tmp")) << name;

  // The same save without the limit succeeds and replaces both.
  VConfig config(tmp.path());
  config.load_system_config_file();
  config.set_vote_menu_entry(0, "big", std::string(200, 'v').c_str());
  EXPECT_TRUE(config.save_system_config_file());
  EXPECT_NE(old_system, read_whole_file(system_path));
}

TEST(ConfigLoading, TruncatedCharacterFileAtEveryOffset) {
  temp_dir source;
  save_sample(source.path(), 3, 10);
  const std::string full = read_whole_file(source.file("char_configs/Bob.cfg"));
  ASSERT_GT(full.size(), 500u);

  temp_dir tmp;
  ASSERT_EQ(0, mkdir(tmp.file("char_configs").c_str(), 0700));
  int saved_level = debug_level;
  // The warnings of a thousand damaged loads would drown the test output; level 1 still formats them.
  debug_level = 1;
  int loaded_count = 0;
  for (size_t length = 0; length <= full.size(); length++) {
    write_whole_file(tmp.file("char_configs/Bob.cfg"), full.substr(0, length));
    VConfig config(tmp.path());
    char_config* loaded = config.get_or_load("Bob");
    if (loaded) {
      loaded_count++;
      EXPECT_EQ("Bob", loaded->name);
      expect_checked(*loaded);
    }
    config.select_char_config("Bob");
    ASSERT_NE(nullptr, config.current_char_cfg()) << length;
  }
  debug_level = saved_level;
  EXPECT_GT(loaded_count, 0);
  VConfig complete(tmp.path());
  write_whole_file(tmp.file("char_configs/Bob.cfg"), full);
  ASSERT_NE(nullptr, complete.get_or_load("Bob"));
  EXPECT_EQ(42, complete.get_or_load("Bob")->automap_size);
  EXPECT_EQ(3u, complete.get_or_load("Bob")->popup_window_list.size());
}

TEST(ConfigLoading, TruncatedSystemFileAtEveryOffset) {
  temp_dir source;
  save_sample(source.path(), 0, 5);
  const std::string full = read_whole_file(source.file("vandrel.cfg"));
  const std::string uuid_line = full.substr(full.find("<uuid>") + 6, 32);

  temp_dir tmp;
  int saved_level = debug_level;
  debug_level = 1;
  for (size_t length = 0; length <= full.size(); length++) {
    write_whole_file(tmp.file("vandrel.cfg"), full.substr(0, length));
    VConfig config(tmp.path());
    config.load_system_config_file();
    ASSERT_NE(nullptr, config.current_char_cfg()) << length;
    ASSERT_EQ(32u, strlen(config.get_uuid())) << length;
    for (int i = 0; i < VConfig::vote_menu_entries; i++) ASSERT_LE(strlen(config.get_vote_menu_name(i)), 999u);
  }
  debug_level = saved_level;
  VConfig config(tmp.path());
  config.load_system_config_file();
  EXPECT_EQ(uuid_line, config.get_uuid());
  EXPECT_STREQ("site 15", config.get_vote_menu_name(15));
}

TEST(ConfigLoading, BinaryAndHostileFilesLoadToUsableSettings) {
  quor_random noise;
  noise.random_seed(12345);
  std::vector<std::string> files;
  for (int round = 0; round < 20; round++) {
    std::string bytes;
    int length = noise.random_below(4000);
    for (int i = 0; i < length; i++) bytes += (char)noise.random_below(256);
    files.push_back(bytes);
  }
  // Markup-heavy noise reaches deeper into the reader than plain bytes.
  const char* pieces[] = {"<",
                          ">",
                          "</",
                          "single_config",
                          "name",
                          "Bob",
                          "&amp;",
                          "&",
                          "font_size",
                          "\n",
                          "popup_window_list",
                          "single_popup_window",
                          "<!--",
                          "9999999999999",
                          "-",
                          "x"};
  for (int round = 0; round < 40; round++) {
    std::string text = "<single_config><name>Bob</name>";
    for (int i = 0; i < 300; i++) text += pieces[noise.random_below(16)];
    files.push_back(text);
  }
  files.push_back(std::string(200000, '<'));
  files.push_back("<single_config>" + std::string(50000, 'n'));

  temp_dir tmp;
  ASSERT_EQ(0, mkdir(tmp.file("char_configs").c_str(), 0700));
  int saved_level = debug_level;
  debug_level = 1;
  for (const std::string& bytes : files) {
    write_whole_file(tmp.file("vandrel.cfg"), std::string("<?xml version=\"1\" encoding=\"x\"?>\n") + bytes);
    write_whole_file(tmp.file("char_configs/Bob.cfg"), bytes);
    VConfig config(tmp.path());
    config.load_system_config_file();
    ASSERT_NE(nullptr, config.current_char_cfg());
    config.select_char_config("Bob");
    ASSERT_NE(nullptr, config.current_char_cfg());
    expect_checked(*config.current_char_cfg());
  }
  debug_level = saved_level;
}

}  // namespace
