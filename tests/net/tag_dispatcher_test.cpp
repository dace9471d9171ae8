#include "net/tag_dispatcher.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/command_test_support.h"
#include "support/log_capture.h"

namespace {

// A display that records what redirection does to it, in one shared list.
class fake_display : public redirect_display {
 public:
  fake_display(const std::string& name, std::vector<std::string>& calls) : name(name), calls(calls) {}
  text_output& output() override { return text; }
  void suspend_updates() override { note("suspend"); }
  void resume_updates() override { note("resume"); }
  void clear_display() override { note("clear"); }
  int get_scroll_position() override {
    note("get_scroll");
    return scroll;
  }
  void set_scroll_position(int position) override { note("set_scroll " + std::to_string(position)); }
  void view_end() override { note("view_end"); }
  void start_color_flash(const char* arguments) override { note(std::string("color_flash '") + arguments + "'"); }
  void note(const std::string& what) { calls.push_back(name + " " + what); }

  std::string name;
  std::vector<std::string>& calls;
  recording_text_output text;
  int scroll = 0;
};

class fake_tag_handler : public tag_handler {
 public:
  fake_tag_handler() : main("main", calls), popup("popup", calls) {}
  int get_setting(tag_setting which) override { return settings[which]; }
  void set_title(const char* title) override { note("title", title); }
  void select_char_config(const char* name) override { note("select_char_config", name); }
  void set_login_time_now() override { note("login_time"); }
  void set_login_state(int state) override { note("login_state", std::to_string(state)); }
  void set_password_mode(bool on) override { note("password_mode", on); }
  void relayout() override { note("relayout"); }
  void request_status_report() override { note("status_report"); }
  void set_uuid(const char* text) override { note("uuid", text); }
  long long ping_elapsed_ms() override { return ping; }
  void config_command(const char* line) override { note("config", line); }
  void setup_vote_menu(const char* suffix, const char* data) override {
    note("setup_vote_menu", std::string(suffix) + "|" + data);
  }
  void rebuild_vote_menu() override { note("rebuild_vote_menu"); }
  void set_current_output(redirect_display& display) override {
    note("current_output", static_cast<fake_display&>(display).name);
  }
  void set_channel_diversion(bool on) override { note("channel_diversion", on); }
  redirect_display& main_display() override { return main; }
  void select_history(int set) override { note("select_history", std::to_string(set)); }
  void automap_parse_map(const char* data, int length) override {
    note("automap_parse_map", std::string(data) + "|" + std::to_string(length));
  }
  void automap_walkfail(const char* data) override { note("automap_walkfail", data); }
  void automap_set_area_name(const char* data) override { note("automap_area", data); }
  void automap_set_combat(bool on) override { note("automap_combat", on); }
  void automap_set_exits(int mask) override { note("automap_exits", std::to_string(mask)); }
  void automap_apply_visibility() override { note("automap_visibility"); }
  void direction_buttons_enable_all(bool on) override { note("direction_enable", on); }
  void direction_buttons_set_exits(int mask) override { note("direction_exits", std::to_string(mask)); }
  void status_display_hp(const char* data) override { note("hp", data); }
  void status_display_enemyhp(const char* data) override { note("enemyhp", data); }
  void status_display_xpp(const char* data) override { note("xpp", data); }
  void status_display_show(bool on) override { note("status_display_show", on); }
  void status_display_set_show_flags(bool enemy, bool exp, bool hp) override {
    note("status_display_flags", std::to_string(enemy) + std::to_string(exp) + std::to_string(hp));
  }
  void status_bar_update_sky_display(const char* data) override { note("skystate", data); }
  void status_bar_set_icons(const char* data) override { note("icons", data); }
  void status_bar_add_ping_sample(int milliseconds) override { note("ping_sample", std::to_string(milliseconds)); }
  void status_bar_show(bool on) override { note("status_bar_show", on); }
  void sky_bar_show(bool on) override { note("sky_bar_show", on); }
  void group_parse_update_line(const char* data) override { note("group", data); }
  void soundpack_parse_audio_tag(const char* data) override { note("sound", data); }
  void hint_buttons_blank_all() override { note("hint_blank_all"); }
  void hint_buttons_setup_button(const char* name, const char* data) override {
    note("hint_button", std::string(name) + "|" + data);
  }
  void fkey_setup_button(const char* name, const char* data) override {
    note("fkey_button", std::string(name) + "|" + data);
  }
  void fkey_set_label_shown(bool on) override { note("fkey_labels", on); }
  void popup_create_window(const char* data) override { note("window_create", data); }
  redirect_display* popup_find_display(const char* name) override {
    note("find_popup", name);
    return popup_name == name ? &popup : nullptr;
  }
  void channel_set_divert_channel(const char* name) override { note("channel_divert", name); }
  void channel_clear_divert_channel() override { note("channel_clear_divert"); }

  void note(const std::string& what, const std::string& value = "") {
    calls.push_back(value.empty() ? what : what + " " + value);
  }
  void note(const std::string& what, const char* value) { note(what, std::string(value)); }
  void note(const std::string& what, bool on) { calls.push_back(what + (on ? " on" : " off")); }

  std::vector<std::string> calls;
  std::map<tag_setting, int> settings;
  fake_display main;
  fake_display popup;
  std::string popup_name = "inventory";
  long long ping = 0;
};

class tag_dispatcher_test : public ::testing::Test {
 protected:
  std::vector<std::string> run(const char* name, const char* data) {
    handler.calls.clear();
    dispatcher.process_tagged_data(name, data, (int)strlen(data));
    return handler.calls;
  }
  using calls = std::vector<std::string>;
  fake_tag_handler handler;
  tag_dispatcher dispatcher{handler};
};

TEST_F(tag_dispatcher_test, RoutesEveryTagToItsOwner) {
  handler.settings[tag_setting::system_audio_enable] = 1;
  const std::pair<const char*, calls> cases[] = {
      {"map", {"automap_parse_map Axyz|4"}},
      {"walkfail", {"automap_walkfail Axyz"}},
      {"areaname", {"automap_area Axyz"}},
      {"combat", {"automap_combat on"}},
      {"ncombat", {"automap_combat off", "enemyhp"}},
      {"uuid", {"uuid Axyz"}},
      {"enemyhp", {"enemyhp Axyz"}},
      {"group", {"group Axyz"}},
      {"xpp", {"xpp Axyz"}},
      {"hp", {"hp Axyz"}},
      {"sound", {"sound Axyz"}},
      {"bclear", {"hint_blank_all"}},
      {"window_create", {"window_create Axyz"}},
      {"config", {"config Axyz"}},
      {"skystate", {"skystate Axyz"}},
      {"icons", {"icons Axyz"}},
      {"votemenu3", {"setup_vote_menu 3|Axyz", "rebuild_vote_menu"}},
      {"votemenu", {"setup_vote_menu |Axyz", "rebuild_vote_menu"}},
      {"bf1", {"fkey_button bf1|Axyz"}},
      {"bf12", {"fkey_button bf12|Axyz"}},
      {"b12", {"hint_button b12|Axyz"}},
      {"b7x", {"hint_button b7x|Axyz"}},
      {"b7t", {"hint_button b7t|Axyz"}},
      {"b1", {"hint_button b1|Axyz"}},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.first, "Axyz"), c.second) << "tag " << c.first;
}

TEST_F(tag_dispatcher_test, NamesWithoutHandlerAreLogged) {
  for (const char* name : {"Login", "MAP", "bf0", "b0", "bx", "bf", "b", "bfx", "b-1", "bclearx", "", "unknown",
                           "Event", "vote", "mapx"}) {
    log_capture log;
    EXPECT_TRUE(run(name, "data").empty()) << "tag '" << name << "'";
    EXPECT_TRUE(log.contains(std::string("Warning in quor_mw::process_tagged_data(), no handler for tag '") + name +
                             "'.\n"))
        << "tag '" << name << "'";
  }
}

TEST_F(tag_dispatcher_test, SoundOnlyWithSoundsEnabled) {
  handler.settings[tag_setting::system_audio_enable] = 0;
  log_capture log;
  EXPECT_TRUE(run("sound", "bell").empty());
  EXPECT_EQ(log.text(), "");
}

TEST_F(tag_dispatcher_test, LoginWithName) {
  handler.settings[tag_setting::status_bar] = 1;
  handler.settings[tag_setting::sky_bar] = 0;
  handler.settings[tag_setting::hpbar_enable] = 0;
  handler.settings[tag_setting::exp_display] = 1;
  handler.settings[tag_setting::enemy_hpbar_enable] = 0;
  calls expected = {"title Vandrel - Player Aldric", "select_char_config Aldric", "login_time", "login_state 2",
                    "select_history 2", "automap_visibility", "fkey_labels on", "status_bar_show on",
                    "sky_bar_show off", "status_display_show on", "status_display_flags 010", "password_mode off",
                    "relayout", "status_report"};
  EXPECT_EQ(run("login", "Aldric\nsecond line"), expected);
}

TEST_F(tag_dispatcher_test, LoginWithoutNameKeepsTheConfiguration) {
  calls expected = {"login_time", "login_state 2", "select_history 2", "automap_visibility", "fkey_labels on",
                    "status_bar_show off", "sky_bar_show off", "status_display_show off", "status_display_flags 000",
                    "password_mode off", "relayout", "status_report"};
  EXPECT_EQ(run("login", ""), expected);
  // A first line without a name is no name either.
  EXPECT_EQ(run("login", "\nAldric"), expected);
}

TEST_F(tag_dispatcher_test, LoginNameIsCut) {
  std::string data(20000, 'n');
  calls result = run("login", data.c_str());
  ASSERT_GE(result.size(), 2u);
  EXPECT_EQ(result[1], "select_char_config " + std::string(5999, 'n'));
}

TEST_F(tag_dispatcher_test, Events) {
  handler.settings[tag_setting::colorflash_enable] = 0;
  EXPECT_TRUE(run("event", "colorflash 2").empty());
  handler.settings[tag_setting::colorflash_enable] = 1;
  EXPECT_EQ(run("event", "colorflash 2"), calls{"main color_flash '2'"});
  EXPECT_EQ(run("event", "ColorFlash"), calls{"main color_flash ''"});
  handler.ping = 187;
  EXPECT_EQ(run("event", "vcpong"), calls{"ping_sample 187"});
  EXPECT_EQ(run("event", "newcreate"), calls{"login_state 1"});
  EXPECT_EQ(run("event", "logoff"), calls{"login_state 3"});
  for (const char* odd : {"vcpong ", "VCPONG", "logoff now", "", "colorflashx"}) {
    log_capture log;
    EXPECT_TRUE(run("event", odd).empty()) << odd;
    EXPECT_TRUE(log.contains(std::string("Warning in quor_mw::process_tagged_data(), got unhandled event '") + odd +
                             "'.\n"));
  }
}

TEST_F(tag_dispatcher_test, Dirs) {
  EXPECT_EQ(run("dirs", "on AB"), (calls{"direction_enable on", "direction_exits 1", "automap_exits 1"}));
  EXPECT_EQ(run("dirs", "OFF QA"), (calls{"direction_enable off", "direction_exits 512", "automap_exits 512"}));
  EXPECT_EQ(run("dirs", "on"), calls{"direction_enable on"});
  {
    log_capture log;
    EXPECT_EQ(run("dirs", "maybe EF"), (calls{"direction_exits 133", "automap_exits 133"}));
    EXPECT_TRUE(log.contains("Warning in quor_mw::process_tagged_data(), bad dirs string 'maybe EF'.\n"));
  }
  for (const char* bad : {"on A", "on ab", "on \x01\x02", "on 9Z"}) {
    log_capture log;
    EXPECT_EQ(run("dirs", bad), calls{"direction_enable on"}) << bad;
    EXPECT_TRUE(log.contains("bad dirs string")) << bad;
  }
}

TEST_F(tag_dispatcher_test, DivertToAPopupAndBack) {
  handler.popup.scroll = 42;
  EXPECT_EQ(run("divert", "inventory"),
            (calls{"find_popup inventory", "current_output popup", "popup suspend", "popup clear"}));
  EXPECT_EQ(&dispatcher.current_output(), &handler.popup);
  EXPECT_EQ(run("undivert", ""), (calls{"popup get_scroll", "popup resume", "popup set_scroll 42",
                                         "current_output main"}));
  EXPECT_EQ(handler.popup.text.steps, std::vector<std::string>{"refresh"});
  EXPECT_EQ(&dispatcher.current_output(), &handler.main);
}

TEST_F(tag_dispatcher_test, AppendAndUnappend) {
  EXPECT_EQ(run("append", "inventory"), (calls{"find_popup inventory", "current_output popup"}));
  handler.settings[tag_setting::colorflash_enable] = 1;
  EXPECT_EQ(run("event", "colorflash 3"), calls{"popup color_flash '3'"});
  EXPECT_EQ(run("unappend", ""), (calls{"popup view_end", "current_output main"}));
  EXPECT_EQ(handler.popup.text.steps, std::vector<std::string>{"refresh"});
}

TEST_F(tag_dispatcher_test, UnknownPopupShowsTheApologyOnce) {
  for (const char* tag : {"divert", "append"}) {
    handler.main.text.clear();
    EXPECT_EQ(run(tag, "nosuch"), (calls{"find_popup nosuch", "current_output main"}));
    EXPECT_EQ(handler.main.text.shown, "\nSorry, no popup window by that name has been defined.\n\n");
    EXPECT_EQ(handler.main.text.steps.front(), "reset");
    EXPECT_EQ(handler.main.text.steps.back(), "refresh");
    EXPECT_EQ(&dispatcher.current_output(), &handler.main);
  }
}

TEST_F(tag_dispatcher_test, LeavingAFrozenPopupShowsItsText) {
  run("divert", "inventory");
  EXPECT_EQ(run("divert", "nosuch"), (calls{"find_popup nosuch", "popup resume", "current_output main"}));
  run("divert", "inventory");
  EXPECT_EQ(run("unappend", ""), (calls{"popup view_end", "popup resume", "current_output main"}));
}

TEST_F(tag_dispatcher_test, UndivertWithoutDivertStaysOnMain) {
  EXPECT_EQ(run("undivert", ""), (calls{"main get_scroll", "main resume", "main set_scroll 0", "current_output main"}));
}

TEST_F(tag_dispatcher_test, ChannelDiversion) {
  EXPECT_EQ(run("chdiv", "gossip"), (calls{"channel_divert gossip", "channel_diversion on"}));
  EXPECT_TRUE(dispatcher.channel_diversion());
  EXPECT_EQ(run("chudiv", ""), (calls{"channel_clear_divert", "channel_diversion off"}));
  EXPECT_FALSE(dispatcher.channel_diversion());
}

TEST_F(tag_dispatcher_test, ResetForgetsTheRedirection) {
  run("divert", "inventory");
  run("chdiv", "gossip");
  handler.calls.clear();
  dispatcher.reset_redirection();
  EXPECT_EQ(handler.calls, (calls{"current_output main", "channel_diversion off"}));
  EXPECT_EQ(&dispatcher.current_output(), &handler.main);
  EXPECT_FALSE(dispatcher.channel_diversion());
}

TEST(tag_dispatcher_numbers, ButtonTagNumbers) {
  EXPECT_EQ(button_tag_number("7x"), 7);
  EXPECT_EQ(button_tag_number("12"), 12);
  EXPECT_EQ(button_tag_number(""), 0);
  EXPECT_EQ(button_tag_number("x1"), 0);
  EXPECT_GT(button_tag_number("99999999999999999999"), 12);
}

TEST_F(tag_dispatcher_test, NullAndNegativeInputs) {
  log_capture log;
  dispatcher.process_tagged_data(nullptr, nullptr, -5);
  EXPECT_TRUE(log.contains("no handler for tag ''"));
  handler.calls.clear();
  dispatcher.process_tagged_data("map", nullptr, -5);
  EXPECT_EQ(handler.calls, calls{"automap_parse_map |0"});
}

}  // namespace
