#include "config/vconfig.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "config/char_config.h"
#include "config/config_font_bridge.h"
#include "config/config_setting_listener.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"
#include "xml_test_support.h"

namespace {

const char system_header[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

class fake_fonts : public config_font_bridge {
 public:
  config_fonts fonts_in_use() override {
    config_fonts fonts;
    fonts.text_font = "Fake Mono 9";
    fonts.button_font = "Fake Sans 7";
    fonts.button_font_size = 7;
    return fonts;
  }
  void apply_fonts(const char_config& config) override {
    applied++;
    last_applied = config;
  }
  int applied = 0;
  char_config last_applied;
};

class ConfigFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(tmp.path().empty()); }
  std::string dir() const { return tmp.path(); }
  std::string system_path() const { return tmp.file("vandrel.cfg"); }
  std::string char_path(const std::string& name) const { return tmp.file("char_configs/" + name + ".cfg"); }
  void write_char_file(const std::string& name, const std::string& text) {
    mkdir(tmp.file("char_configs").c_str(), 0700);
    write_whole_file(char_path(name), text);
  }
  temp_dir tmp;
};

std::string single_config(const std::string& name, const std::string& leaves) {
  return "<single_config>\n  <name>" + name + "</name>\n" + leaves + "</single_config>\n";
}

// Every field whose value a file can hold, set away from its default but within the load checks.
char_config record_with_every_field_changed(const std::string& name) {
  char_config record;
  int n = 0;
  for (const char_config_field& field : char_config_fields()) {
    n++;
    if (field.text) {
      record.*field.text = std::string("value <") + field.element + "> & more";
      continue;
    }
    int& value = record.*field.number;
    switch (field.check) {
      case config_check::lowest_bit:
        value = 1 - value;
        break;
      case config_check::replace_outside:
      case config_check::clamp:
        value = value == field.low + 1 ? field.high : field.low + 1;
        break;
      case config_check::none:
        value = 1000 + n;
        break;
    }
  }
  record.name = name;
  popup_geometry first;
  first.name = "who <list>";
  first.x = -5;
  first.y = 700;
  first.width = 320;
  first.height = 200;
  popup_geometry second;
  second.name = "help";
  second.x = 0;
  second.y = 1;
  second.width = 2;
  second.height = 3;
  record.popup_window_list = {first, second};
  return record;
}

void expect_same_settings(const char_config& expected, const char_config& actual) {
  for (const char_config_field& field : char_config_fields()) {
    if (field.text)
      EXPECT_EQ(expected.*field.text, actual.*field.text) << field.element;
    else
      EXPECT_EQ(expected.*field.number, actual.*field.number) << field.element;
  }
}

const popup_geometry* find_popup(const char_config& config, const std::string& name) {
  for (const popup_geometry& popup : config.popup_window_list)
    if (popup.name == name) return &popup;
  return nullptr;
}

TEST_F(ConfigFiles, FirstStartCreatesDefaultsAndAUuid) {
  fake_fonts fonts;
  VConfig config(dir());
  config.set_font_bridge(&fonts);
  log_capture log;
  config.load_system_config_file();
  EXPECT_TRUE(log.contains("Unable to load system config - cannot open config file '" + system_path() + "'.\n"));

  std::string uuid = config.get_uuid();
  ASSERT_EQ(32u, uuid.size());
  EXPECT_EQ("DFLT", uuid.substr(0, 4));
  EXPECT_EQ(std::string::npos, uuid.find_first_not_of("0123456789abcdef", 4));
  EXPECT_TRUE(log.contains("load_system_config_file() - created default uuid '" + uuid + "'.\n"));

  char_config* current = config.current_char_cfg();
  ASSERT_NE(nullptr, current);
  EXPECT_EQ("", current->name);
  char_config defaults;
  defaults.font = "Fake Mono 9";
  defaults.button_font = "Fake Sans 7";
  defaults.button_font_size = 7;
  expect_same_settings(defaults, *current);
  EXPECT_EQ(8, current->font_size);
  EXPECT_EQ(1, fonts.applied);

  config.select_char_config("Alice");
  EXPECT_EQ(current, config.current_char_cfg());
  EXPECT_EQ("Alice", current->name);
  config.set_local_echo(0);
  EXPECT_TRUE(config.save_system_config_file());

  std::string system_file = read_whole_file(system_path());
  EXPECT_EQ(0u, system_file.find(system_header));
  EXPECT_NE(std::string::npos, system_file.find("  <uuid>" + uuid + "</uuid>\n"));
  EXPECT_NE(std::string::npos, system_file.find("  <curr_config>Alice</curr_config>\n"));
  EXPECT_EQ("</system_config_list>\n\n", system_file.substr(system_file.size() - 23));
  std::string char_file = read_whole_file(char_path("Alice"));
  EXPECT_EQ(0u, char_file.find("<single_config>\n  <name>Alice</name>\n  <font>Fake Mono 9</font>\n"));
  EXPECT_NE(std::string::npos, char_file.find("  <local_echo>0</local_echo>\n"));

  // A second start keeps the uuid and the character.
  VConfig again(dir());
  again.load_system_config_file();
  EXPECT_EQ(uuid, again.get_uuid());
  ASSERT_NE(nullptr, again.current_char_cfg());
  EXPECT_EQ("Alice", again.current_char_cfg()->name);
  EXPECT_EQ(0, again.get_local_echo());
}

TEST_F(ConfigFiles, EveryFieldRoundTrips) {
  VConfig config(dir());
  config.load_system_config_file();
  char_config record = record_with_every_field_changed("Rounder");
  config.add(record);
  config.select_char_config("Rounder");
  config.SetSystemAudio(0);
  config.set_last_voting_time(111);
  config.set_last_voting_reminder_time(222);
  config.set_voting_reminders(0);
  config.set_vote_menu_entry(0, "Top <Sites>", "http://example.invalid/?a=1&b=2");
  config.set_vote_menu_entry(15, "Last", "u");
  ASSERT_TRUE(config.save_system_config_file());

  VConfig loaded(dir());
  loaded.load_system_config_file();
  ASSERT_NE(nullptr, loaded.current_char_cfg());
  expect_same_settings(record, *loaded.current_char_cfg());
  ASSERT_EQ(2u, loaded.current_char_cfg()->popup_window_list.size());
  for (const popup_geometry& expected : record.popup_window_list) {
    const popup_geometry* got = find_popup(*loaded.current_char_cfg(), expected.name);
    ASSERT_NE(nullptr, got) << expected.name;
    EXPECT_EQ(expected.x, got->x);
    EXPECT_EQ(expected.y, got->y);
    EXPECT_EQ(expected.width, got->width);
    EXPECT_EQ(expected.height, got->height);
  }
  EXPECT_STREQ(config.get_uuid(), loaded.get_uuid());
  EXPECT_EQ(0, loaded.get_system_audio_enable());
  EXPECT_EQ(111, loaded.get_last_voting_time());
  EXPECT_EQ(222, loaded.get_last_voting_reminder_time());
  EXPECT_EQ(0, loaded.get_voting_reminders());
  EXPECT_STREQ("Top <Sites>", loaded.get_vote_menu_name(0));
  EXPECT_STREQ("http://example.invalid/?a=1&b=2", loaded.get_vote_menu_url(0));
  EXPECT_STREQ("Last", loaded.get_vote_menu_name(15));
  EXPECT_STREQ("", loaded.get_vote_menu_name(7));
}

struct check_case {
  const char* element;
  const char* value;
  int char_config::*field;
  int expected;
};

TEST_F(ConfigFiles, OutOfRangeValuesAreCorrectedOnLoad) {
  using c = char_config;
  const check_case cases[] = {
      {"font_size", "200", &c::font_size, 10},
      {"font_size", "1", &c::font_size, 10},
      {"font_size", "150", &c::font_size, 150},
      {"button_font_size", "9999", &c::button_font_size, 9999},
      {"automap_size", "0", &c::automap_size, 11},
      {"automap_size", "400", &c::automap_size, 400},
      {"current_layout", "7", &c::current_layout, 2},
      {"current_layout", "-3", &c::current_layout, 0},
      {"current_layout", "1", &c::current_layout, 1},
      {"keypad_walking", "2", &c::keypad_walking, 0},
      {"keypad_walking", "3", &c::keypad_walking, 1},
      {"colorflash_enable", "-1", &c::colorflash_enable, 1},
      {"group_status_display", "3", &c::group_status_display, 0},
      {"group_status_display", "-1", &c::group_status_display, 0},
      {"font_colors_setting", "4", &c::font_colors_setting, 0},
      {"theme_bg_setting", "6", &c::theme_bg_setting, 3},
      {"theme_bg_setting", "0", &c::theme_bg_setting, 0},
      {"input_height", "23", &c::input_height, 48},
      {"input_height", "801", &c::input_height, 48},
      {"channel_window_height", "81", &c::channel_window_height, 25},
      {"channel_window_height", "9", &c::channel_window_height, 25},
      {"current_theme", "5", &c::current_theme, 5},
      {"current_layout", "99999999999999999999", &c::current_layout, 2},
      {"font_size", "-99999999999999999999", &c::font_size, 10},
      // Earlier versions' elements.
      {"use_new_layout", "5", &c::current_layout, 1},
      {"use_new_layout", "0", &c::current_layout, 0},
      {"bright_color_display", "1", &c::font_colors_setting, 1},
      {"zmud_color_display", "1", &c::font_colors_setting, 2},
      {"gmud_color_display", "7", &c::font_colors_setting, 3},
      {"gmud_color_display", "0", &c::font_colors_setting, 0},
  };
  for (const check_case& k : cases) {
    write_char_file(
        "Checker", single_config("Checker", std::string("  <") + k.element + ">" + k.value + "</" + k.element + ">\n"));
    VConfig config(dir());
    char_config* loaded = config.get_or_load("Checker");
    ASSERT_NE(nullptr, loaded) << k.element << " " << k.value;
    EXPECT_EQ(k.expected, loaded->*k.field) << k.element << " " << k.value;
  }
}

TEST_F(ConfigFiles, RefusedValuesKeepTheDefault) {
  write_char_file("Val", single_config("Val",
                                       "  <font>Bad\tFont</font>\n"
                                       "  <button_font>caf\xe9</button_font>\n"
                                       "  <automap_size>big</automap_size>\n"
                                       "  <local_echo>0</local_echo>\n"
                                       "  <unknown_thing><deep>1</deep></unknown_thing>\n"
                                       "  <sky_bar>0</sky_bar>\n"));
  fake_fonts fonts;
  VConfig config(dir());
  config.set_font_bridge(&fonts);
  char_config* loaded = config.get_or_load("Val");
  ASSERT_NE(nullptr, loaded);
  EXPECT_EQ("Fake Mono 9", loaded->font);
  EXPECT_EQ("Fake Sans 7", loaded->button_font);
  EXPECT_EQ(11, loaded->automap_size);
  EXPECT_EQ(0, loaded->local_echo);
  EXPECT_EQ(0, loaded->sky_bar);
}

TEST_F(ConfigFiles, ABadDeclarationSkipsTheSystemFile) {
  write_whole_file(system_path(),
                   "<?xml version=\"1.0\"?>\n<system_config_list>\n  <curr_config>Bob</curr_config>\n"
                   "  <uuid>abc</uuid>\n</system_config_list>\n");
  write_char_file("Bob", single_config("Bob", ""));
  log_capture log;
  VConfig config(dir());
  config.load_system_config_file();
  EXPECT_TRUE(log.contains("Warning in load_system_config_file() - bad XML header, bailing.\n"));
  EXPECT_EQ("DFLT", std::string(config.get_uuid()).substr(0, 4));
  ASSERT_NE(nullptr, config.current_char_cfg());
  EXPECT_EQ("", config.current_char_cfg()->name);
  EXPECT_TRUE(log.contains("VConfig::setup_default_config() - no previous config specified, using default.\n"));
}

TEST_F(ConfigFiles, SystemFileValuesAndUnknownElements) {
  write_whole_file(system_path(), std::string(system_header) +
                                      "<other><x>1</x></other>\n"
                                      "<system_config_list>\n"
                                      "  <UUID>0123456789012345678901234567890123456789</UUID>\n"
                                      "  <bootloader_version>12</bootloader_version>\n"
                                      "  <voting_reminders>0</voting_reminders>\n"
                                      "  <uuid_create_time>77</uuid_create_time>\n"
                                      "  <mystery><a><b>2</b></a></mystery>\n"
                                      "  <vote_menu3_name>Three</vote_menu3_name>\n"
                                      "  <vote_menu3_url>u3</vote_menu3_url>\n"
                                      "  <vote_menu16_name>Too far</vote_menu16_name>\n"
                                      "  <system_audio_enable>0</system_audio_enable>\n"
                                      "</system_config_list>\n");
  log_capture log;
  VConfig config(dir());
  config.load_system_config_file();
  EXPECT_TRUE(log.contains("VConfig::load_system_config_file() got unknown tag 'other'\n"));
  EXPECT_STREQ("01234567890123456789012345678901", config.get_uuid());
  EXPECT_EQ(0, config.get_voting_reminders());
  EXPECT_EQ(77, config.get_uuid_create_time());
  EXPECT_EQ(0, config.get_system_audio_enable());
  EXPECT_STREQ("Three", config.get_vote_menu_name(3));
  EXPECT_STREQ("u3", config.get_vote_menu_url(3));
  EXPECT_STREQ("", config.get_vote_menu_name(16));
}

TEST_F(ConfigFiles, InlineRecordsOfTheSystemFileLoad) {
  write_whole_file(system_path(),
                   std::string(system_header) + "<system_config_list>\n  <curr_config>Old</curr_config>\n" +
                       single_config("Old", "  <automap_size>33</automap_size>\n") + single_config("Older", "") +
                       "<single_config><font>x</font></single_config>\n" + "</system_config_list>\n");
  log_capture log;
  VConfig config(dir());
  config.load_system_config_file();
  ASSERT_NE(nullptr, config.current_char_cfg());
  EXPECT_EQ("Old", config.current_char_cfg()->name);
  EXPECT_EQ(33, config.get_automap_size());
  EXPECT_NE(nullptr, config.find("Older"));
  EXPECT_TRUE(
      log.contains("Error in VConfig::load_xml_single_system_config(), missing name for loaded config.  Ignoring.\n"));
}

TEST_F(ConfigFiles, OldStyleFileMovesOnFirstLogin) {
  write_whole_file(tmp.file("Bob.cfg"), single_config("Bob", "  <automap_size>21</automap_size>\n"));
  log_capture log;
  VConfig config(dir());
  config.load_system_config_file();
  config.select_char_config("Bob");
  EXPECT_TRUE(
      log.contains("VConfig::get_or_load() - got old style per-char config file '" + tmp.file("Bob.cfg") + "'.\n"));
  EXPECT_EQ(21, config.get_automap_size());
  EXPECT_FALSE(file_exists(tmp.file("Bob.cfg")));
  EXPECT_NE(std::string::npos, read_whole_file(char_path("Bob")).find("<automap_size>21</automap_size>"));
}

TEST_F(ConfigFiles, OldStyleFileStaysWhenItCannotBeMoved) {
  write_whole_file(tmp.file("Bob.cfg"), single_config("Bob", "  <automap_size>21</automap_size>\n"));
  // A plain file where the directory should be: the new file cannot be written.
  write_whole_file(tmp.file("char_configs"), "in the way");
  VConfig config(dir());
  char_config* loaded = config.get_or_load("Bob");
  ASSERT_NE(nullptr, loaded);
  EXPECT_EQ(21, loaded->automap_size);
  EXPECT_TRUE(file_exists(tmp.file("Bob.cfg")));
}

TEST_F(ConfigFiles, ACharacterNamedLikeTheSystemFileUsesItsOwnFile) {
  {
    VConfig config(dir());
    config.load_system_config_file();
    config.select_char_config("vandrel");
    config.set_automap_size(77);
    ASSERT_TRUE(config.save_system_config_file());
  }
  VConfig config(dir());
  config.load_system_config_file();
  EXPECT_EQ("vandrel", config.current_char_cfg()->name);
  EXPECT_EQ(77, config.get_automap_size());
  EXPECT_TRUE(file_exists(system_path()));
}

TEST_F(ConfigFiles, AFileWithAnotherNameIsRefused) {
  write_char_file("Bob", single_config("Rob", "  <automap_size>21</automap_size>\n"));
  log_capture log;
  VConfig config(dir());
  config.load_system_config_file();
  EXPECT_EQ(nullptr, config.get_or_load("Bob"));
  EXPECT_TRUE(
      log.contains("Error in VConfig::load_xml_single_system_config(), got bad name 'Rob' for loaded config 'Bob'.\n"));
  config.select_char_config("Bob");
  ASSERT_NE(nullptr, config.current_char_cfg());
  EXPECT_EQ("Bob", config.current_char_cfg()->name);
  EXPECT_EQ(11, config.get_automap_size());
}

TEST_F(ConfigFiles, SecondCharacterGetsAFreshRecordWithTheFontsInUse) {
  write_char_file("First", single_config("First", "  <font_size>12</font_size>\n  <automap_size>50</automap_size>\n"));
  write_whole_file(system_path(), std::string(system_header) +
                                      "<system_config_list><curr_config>First</curr_config></system_config_list>");
  fake_fonts fonts;
  VConfig config(dir());
  config.set_font_bridge(&fonts);
  config.load_system_config_file();
  EXPECT_EQ(12, config.get_default_font_size());
  EXPECT_EQ(12, fonts.last_applied.font_size);
  config.select_char_config("Second");
  ASSERT_NE(nullptr, config.current_char_cfg());
  EXPECT_EQ("Second", config.current_char_cfg()->name);
  EXPECT_EQ(12, config.get_font_size());
  EXPECT_EQ(11, config.get_automap_size());
  EXPECT_STREQ("Fake Mono 9", config.get_font());
  EXPECT_EQ(2, config.record_count());
  // Switching back uses the record in memory.
  config.select_char_config("First");
  EXPECT_EQ(50, config.get_automap_size());
  EXPECT_EQ(3, fonts.applied);
}

TEST_F(ConfigFiles, VoteMenuEntriesKeepTheirNumbers) {
  VConfig config(dir());
  config.load_system_config_file();
  config.set_vote_menu_entry(5, "Five", "http://five.invalid/");
  config.set_vote_menu_entry(6, "", "ignored");
  ASSERT_TRUE(config.save_system_config_file());
  std::string text = read_whole_file(system_path());
  EXPECT_NE(
      std::string::npos,
      text.find(
          "  <vote_menu5_name>Five</vote_menu5_name>\n  <vote_menu5_url>http://five.invalid/</vote_menu5_url>\n"));
  EXPECT_EQ(std::string::npos, text.find("vote_menu0"));
  EXPECT_EQ(std::string::npos, text.find("vote_menu6"));
  VConfig loaded(dir());
  loaded.load_system_config_file();
  EXPECT_STREQ("Five", loaded.get_vote_menu_name(5));
  EXPECT_STREQ("", loaded.get_vote_menu_name(0));
}

TEST_F(ConfigFiles, ServerUuidIsSavedAtOnce) {
  VConfig config(dir());
  config.load_system_config_file();
  time_t before = time(nullptr);
  log_capture log;
  config.set_uuid("0123456789abcdef0123456789abcdefXYZ");
  EXPECT_STREQ("0123456789abcdef0123456789abcdefX", config.get_uuid());
  EXPECT_TRUE(log.contains("Changed uuid to '0123456789abcdef0123456789abcdefX'.\n"));
  EXPECT_GE(config.get_uuid_create_time(), (int)before);
  EXPECT_LE(config.get_uuid_create_time(), (int)time(nullptr));
  EXPECT_EQ(config.get_uuid_create_time(), config.get_last_voting_time());
  EXPECT_EQ(config.get_uuid_create_time(), config.get_last_voting_reminder_time());
  std::string text = read_whole_file(system_path());
  EXPECT_NE(std::string::npos, text.find("<uuid>0123456789abcdef0123456789abcdefX</uuid>"));
  EXPECT_NE(std::string::npos, text.find("<uuid_create_time>" + std::to_string(config.get_uuid_create_time())));

  log.clear();
  config.set_uuid("");
  EXPECT_TRUE(log.contains("Error in set_uuid(), null string?\n"));
  EXPECT_EQ("DFLT", std::string(config.get_uuid()).substr(0, 4));
}

TEST_F(ConfigFiles, WithoutADirectoryNothingIsLoadedOrSaved) {
  log_capture log;
  VConfig config{std::string()};
  config.load_system_config_file();
  EXPECT_TRUE(log.contains("Unable to load system config - no config file directory.\n"));
  EXPECT_EQ(nullptr, config.current_char_cfg());
  EXPECT_EQ(0, config.get_font_size());
  EXPECT_EQ(0, config.get_local_echo());
  EXPECT_EQ(0, config.get_colorflash_enable());
  EXPECT_STREQ("", config.get_name());
  config.set_local_echo(1);
  EXPECT_EQ(0, config.get_local_echo());
  config.store_popup_geometry(popup_geometry());
  EXPECT_EQ(48, config.get_popup_geometry("x").x);
  config.apply_font();
  EXPECT_TRUE(log.contains("Error in VConfig::apply_font(), null current_char_cfg.\n"));
  EXPECT_FALSE(config.save_system_config_file());
  EXPECT_TRUE(log.contains("Unable to save system config - no config file directory.\n"));
  EXPECT_NE(nullptr, config.create_new_config("X", nullptr));
  EXPECT_TRUE(log.contains("Error in VConfig::create_new_config(), NULL old config?  Creating new.\n"));
}

TEST_F(ConfigFiles, UnsafeNamesNeverReachAPath) {
  std::string inner = tmp.file("cfg");
  ASSERT_EQ(0, mkdir(inner.c_str(), 0700));
  // Planted where the unsafe names would lead.
  write_whole_file(tmp.file("x.cfg"), single_config("../x", "  <automap_size>99</automap_size>\n"));
  const char* names[] = {".", "..", "../x", "a/b", "/abs", "back\\slash", "ctl\x01", "del\x7f", "new\nline"};
  for (const char* name : names) {
    log_capture log;
    VConfig config(inner);
    config.load_system_config_file();
    EXPECT_EQ(nullptr, config.get_or_load(name)) << name;
    EXPECT_TRUE(log.contains("Warning in VConfig::get_or_load(), config name '")) << name;
    config.select_char_config(name);
    ASSERT_NE(nullptr, config.current_char_cfg());
    EXPECT_EQ(name, config.current_char_cfg()->name);
    EXPECT_EQ(11, config.get_automap_size()) << name;
    EXPECT_FALSE(config.save_system_config_file()) << name;
    EXPECT_TRUE(log.contains("Warning in save_char_config(), config name '")) << name;
  }
  EXPECT_FALSE(file_exists(tmp.file("b.cfg")));
  EXPECT_FALSE(file_exists(tmp.file("cfg/a/b.cfg")));
  EXPECT_FALSE(file_exists(tmp.file("cfg/char_configs/a/b.cfg")));
  EXPECT_FALSE(file_exists(tmp.file("cfg/char_configs/..cfg")));
  EXPECT_FALSE(file_exists(tmp.file("cfg/x.cfg")));
  EXPECT_TRUE(file_exists(tmp.file("x.cfg")));
  EXPECT_EQ(0, system(("test -z \"$(find '" + inner + "' -type f ! -name vandrel.cfg)\"").c_str()));
}

TEST_F(ConfigFiles, SafeUnusualNamesKeepTheirFileNames) {
  VConfig config(dir());
  config.load_system_config_file();
  config.select_char_config("Sir Bob");
  config.add(record_with_every_field_changed("caf\xe9"));
  ASSERT_TRUE(config.save_system_config_file());
  EXPECT_TRUE(file_exists(char_path("Sir Bob")));
  EXPECT_TRUE(file_exists(char_path("caf\xe9")));
}

TEST_F(ConfigFiles, PopupGeometryIsKeptPerName) {
  VConfig config(dir());
  config.load_system_config_file();
  popup_geometry fresh = config.get_popup_geometry("who");
  EXPECT_EQ("who", fresh.name);
  EXPECT_EQ(48, fresh.x);
  EXPECT_EQ(48, fresh.y);
  EXPECT_EQ(0, fresh.width);

  popup_geometry stored = fresh;
  stored.x = 10;
  stored.y = 20;
  stored.columns = 80;
  stored.rows = 24;
  stored.width = 300;
  stored.height = 200;
  config.store_popup_geometry(stored);
  stored.x = 11;
  config.store_popup_geometry(stored);
  popup_geometry other;
  other.name = "help";
  config.store_popup_geometry(other);
  ASSERT_EQ(2u, config.current_char_cfg()->popup_window_list.size());
  EXPECT_EQ("help", config.current_char_cfg()->popup_window_list.front().name);

  popup_geometry got = config.get_popup_geometry("who");
  EXPECT_EQ(11, got.x);
  EXPECT_EQ(20, got.y);
  EXPECT_EQ(80, got.columns);
  EXPECT_EQ(24, got.rows);
  EXPECT_EQ(300, got.width);
  EXPECT_EQ(200, got.height);

  std::string long_name(150, 'p');
  EXPECT_EQ(99u, config.get_popup_geometry(long_name.c_str()).name.size());
}

TEST_F(ConfigFiles, AddReplacesARecordOfTheSameName) {
  VConfig config(dir());
  char_config record;
  record.name = "Same";
  record.automap_size = 30;
  char_config* first = config.add(record);
  record.automap_size = 31;
  log_capture log;
  char_config* second = config.add(record);
  EXPECT_EQ(first, second);
  EXPECT_EQ(31, second->automap_size);
  EXPECT_EQ(1, config.record_count());
  EXPECT_TRUE(log.contains("VConfig::add(), replacing config for Same.\n"));
}

struct accessor {
  int (VConfig::*get)() const;
  void (VConfig::*set)(int);
  int char_config::*field;
  const char* name;
};

const std::vector<accessor>& accessors() {
  static const std::vector<accessor> table = {
      {&VConfig::get_font_size, &VConfig::set_font_size, &char_config::font_size, "font_size"},
      {&VConfig::get_button_font_size, &VConfig::set_button_font_size, &char_config::button_font_size,
       "button_font_size"},
      {&VConfig::get_keypad_walking, &VConfig::set_keypad_walking, &char_config::keypad_walking, "keypad_walking"},
      {&VConfig::get_url_hotlinking, &VConfig::set_url_hotlinking, &char_config::url_hotlinking, "url_hotlinking"},
      {&VConfig::get_compact_mode, &VConfig::set_compact_mode, &char_config::compact_mode, "compact_mode"},
      {&VConfig::get_local_echo, &VConfig::set_local_echo, &char_config::local_echo, "local_echo"},
      {&VConfig::get_cmd_separator, &VConfig::set_cmd_separator, &char_config::cmd_separator, "cmd_separator"},
      {&VConfig::get_cmd_pushthrough, &VConfig::set_cmd_pushthrough, &char_config::cmd_pushthrough, "cmd_pushthrough"},
      {&VConfig::get_hint_button_enable, &VConfig::set_hint_button_enable, &char_config::hint_button_enable,
       "hint_button_enable"},
      {&VConfig::get_direction_button_enable, &VConfig::set_direction_button_enable,
       &char_config::direction_button_enable, "direction_button_enable"},
      {&VConfig::get_fkey_button_display, &VConfig::set_fkey_button_display, &char_config::fkey_button_display,
       "fkey_button_display"},
      {&VConfig::get_button_tooltips, &VConfig::set_button_tooltips, &char_config::button_tooltips, "button_tooltips"},
      {&VConfig::get_status_bar, &VConfig::set_status_bar, &char_config::status_bar, "status_bar"},
      {&VConfig::get_sky_bar, &VConfig::set_sky_bar, &char_config::sky_bar, "sky_bar"},
      {&VConfig::get_exp_display, &VConfig::set_exp_display, &char_config::exp_display, "exp_display"},
      {&VConfig::get_hpbar_enable, &VConfig::set_hpbar_enable, &char_config::hpbar_enable, "hpbar_enable"},
      {&VConfig::get_hp_display, &VConfig::set_hp_display, &char_config::hp_display, "hp_display"},
      {&VConfig::get_enemy_hpbar_enable, &VConfig::set_enemy_hpbar_enable, &char_config::enemy_hpbar_enable,
       "enemy_hpbar_enable"},
      {&VConfig::get_enemy_hp_display, &VConfig::set_enemy_hp_display, &char_config::enemy_hp_display,
       "enemy_hp_display"},
      {&VConfig::get_group_status_display, &VConfig::set_group_status_display, &char_config::group_status_display,
       "group_status_display"},
      {&VConfig::get_group_status_inverted_bars, &VConfig::set_group_status_inverted_bars,
       &char_config::group_status_inverted_bars, "group_status_inverted_bars"},
      {&VConfig::get_popup_display, &VConfig::set_popup_display, &char_config::popup_display, "popup_display"},
      {&VConfig::get_locking_scrollback_enable, &VConfig::set_locking_scrollback_enable,
       &char_config::locking_scrollback_enable, "locking_scrollback_enable"},
      {&VConfig::get_mw_scrollbar_enable, &VConfig::set_mw_scrollbar_enable, &char_config::mw_scrollbar_enable,
       "mw_scrollbar_enable"},
      {&VConfig::get_current_layout, &VConfig::set_current_layout, &char_config::current_layout, "current_layout"},
      {&VConfig::get_current_theme, &VConfig::set_current_theme, &char_config::current_theme, "current_theme"},
      {&VConfig::get_current_background_theme, &VConfig::set_current_background_theme,
       &char_config::current_background_theme, "current_background_theme"},
      {&VConfig::get_font_colors_setting, &VConfig::set_font_colors_setting, &char_config::font_colors_setting,
       "font_colors_setting"},
      {&VConfig::get_theme_bg_setting, &VConfig::set_theme_bg_setting, &char_config::theme_bg_setting,
       "theme_bg_setting"},
      {&VConfig::get_automap_docked, &VConfig::set_automap_docked, &char_config::automap_docked, "automap_docked"},
      {&VConfig::get_automap_display, &VConfig::set_automap_display, &char_config::automap_display, "automap_display"},
      {&VConfig::get_automap_size, &VConfig::set_automap_size, &char_config::automap_size, "automap_size"},
      {&VConfig::get_input_height, &VConfig::set_input_height, &char_config::input_height, "input_height"},
      {&VConfig::get_channel_window_enable, &VConfig::set_channel_window_enable, &char_config::channel_window_enable,
       "channel_window_enable"},
      {&VConfig::get_channel_window_height, &VConfig::set_channel_window_height, &char_config::channel_window_height,
       "channel_window_height"},
      {&VConfig::get_channel_window_dupe, &VConfig::set_channel_window_dupe, &char_config::channel_window_dupe,
       "channel_window_dupe"},
      {&VConfig::get_colorflash_enable, &VConfig::set_colorflash_enable, &char_config::colorflash_enable,
       "colorflash_enable"},
  };
  return table;
}

TEST(ConfigAccessors, EachGetterAndSetterUsesItsOwnField) {
  VConfig config{std::string()};
  for (const accessor& a : accessors()) {
    EXPECT_EQ(0, (config.*a.get)()) << a.name;
    (config.*a.set)(5);
    EXPECT_EQ(0, (config.*a.get)()) << a.name;
  }
  char_config record;
  record.name = "Acc";
  config.add(record);
  config.select_char_config("Acc");
  ASSERT_NE(nullptr, config.current_char_cfg());
  int value = 100;
  for (const accessor& a : accessors()) (config.*a.set)(value++);
  value = 100;
  for (const accessor& a : accessors()) {
    EXPECT_EQ(value, config.current_char_cfg()->*a.field) << a.name;
    EXPECT_EQ(value, (config.*a.get)()) << a.name;
    value++;
  }
  // Every number of the file table has its accessor.
  size_t numbers = 0;
  for (const char_config_field& field : char_config_fields())
    if (field.number) numbers++;
  EXPECT_EQ(numbers, accessors().size());
}

// Records what the setters tell the program around them.
class recording_listener : public config_setting_listener {
 public:
  void setting_stored(const char* element, int value) override {
    calls += std::string("stored ") + element + "=" + std::to_string(value) + " ";
  }
  void status_report_needed() override { calls += "report "; }
  bool switch_audio_output(bool on) override {
    calls += on ? "audio-on " : "audio-off ";
    return !on || audio_starts;
  }
  std::string calls;
  bool audio_starts = true;
};

TEST(ConfigAccessors, SettersIgnoreUnchangedValuesAndReportDisplaySettings) {
  // Whether a setter returns at once for the stored value, and whether the server hears of a change.
  struct rule {
    const char* name;
    bool only_if_changed;
    bool reports;
  };
  const rule rules[] = {
      {"font_size", false, false},
      {"button_font_size", false, false},
      {"keypad_walking", false, false},
      {"url_hotlinking", false, false},
      {"compact_mode", false, false},
      {"local_echo", false, false},
      {"cmd_separator", false, true},
      {"cmd_pushthrough", false, false},
      {"hint_button_enable", true, true},
      {"direction_button_enable", true, true},
      {"fkey_button_display", true, true},
      {"button_tooltips", false, false},
      {"status_bar", true, true},
      {"sky_bar", true, true},
      {"exp_display", true, true},
      {"hpbar_enable", true, true},
      {"hp_display", false, false},
      {"enemy_hpbar_enable", true, true},
      {"enemy_hp_display", false, false},
      {"group_status_display", true, true},
      {"group_status_inverted_bars", false, false},
      {"popup_display", true, true},
      {"locking_scrollback_enable", false, false},
      {"mw_scrollbar_enable", true, false},
      {"current_layout", true, true},
      {"current_theme", true, true},
      {"current_background_theme", true, true},
      {"font_colors_setting", false, true},
      {"theme_bg_setting", true, true},
      {"automap_docked", false, true},
      {"automap_display", false, true},
      {"automap_size", false, false},
      {"input_height", false, false},
      {"channel_window_enable", true, true},
      {"channel_window_height", false, false},
      {"channel_window_dupe", false, true},
      {"colorflash_enable", false, true},
  };
  ASSERT_EQ(sizeof rules / sizeof rules[0], accessors().size());
  for (const rule& r : rules) {
    const accessor* a = nullptr;
    for (const accessor& candidate : accessors())
      if (!strcmp(candidate.name, r.name)) a = &candidate;
    ASSERT_NE(nullptr, a) << r.name;
    VConfig config{std::string()};
    recording_listener listener;
    config.set_setting_listener(&listener);
    char_config record;
    record.name = "Rules";
    config.select_char_config(config.add(record)->name.c_str());
    ASSERT_NE(nullptr, config.current_char_cfg());
    int stored = (config.*a->get)();
    std::string report = r.reports ? "report " : "";

    (config.*a->set)(stored);
    std::string same = r.only_if_changed ? "" : "stored " + std::string(r.name) + "=" + std::to_string(stored) + " " + report;
    EXPECT_EQ(listener.calls, same) << r.name << " set to its stored value";

    listener.calls.clear();
    (config.*a->set)(stored + 1);
    EXPECT_EQ((config.*a->get)(), stored + 1) << r.name;
    EXPECT_EQ(listener.calls, "stored " + std::string(r.name) + "=" + std::to_string(stored + 1) + " " + report)
        << r.name << " changed";
  }
}

TEST(ConfigAccessors, WithoutARecordSettersTellNobody) {
  VConfig config{std::string()};
  recording_listener listener;
  config.set_setting_listener(&listener);
  for (const accessor& a : accessors()) (config.*a.set)(1);
  EXPECT_EQ(listener.calls, "");
}

TEST(ConfigAccessors, SystemAudioSwitch) {
  struct row {
    const char* what;
    int start_value;
    int new_value;
    bool audio_starts;
    int end_value;
    std::string calls;
    bool warns;
  } rows[] = {
      {"unchanged", 1, 1, true, 1, "", false},
      {"off", 1, 0, true, 0, "report audio-off stored system_audio_enable=0 ", false},
      {"on", 0, 1, true, 1, "report audio-on stored system_audio_enable=1 ", false},
      {"on without an output device", 0, 1, false, 0,
       "report audio-on report audio-off stored system_audio_enable=0 ", true},
  };
  for (const row& r : rows) {
    VConfig config{std::string()};
    config.SetSystemAudio(r.start_value);
    recording_listener listener;
    listener.audio_starts = r.audio_starts;
    config.set_setting_listener(&listener);
    log_capture log;
    config.SetSystemAudio(r.new_value);
    EXPECT_EQ(config.get_system_audio_enable(), r.end_value) << r.what;
    EXPECT_EQ(listener.calls, r.calls) << r.what;
    EXPECT_EQ(log.contains("VConfig::SetSystemAudio() - unable to start audio.  Disabling.\n"), r.warns) << r.what;
  }
}

}  // namespace
