// Server tags through the dispatch: names from the tag table or from the input, any data. The
// "config" and "votemenu" payloads go on into the config commands and the vote menu store, and
// the data is also tried as a command line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/command_processor.h"
#include "app/config_commands.h"
#include "app/vote_menu.h"
#include "config/vconfig.h"
#include "net/tag_dispatcher.h"
#include "util/debug_log.h"
#include "util/words.h"

namespace {

class null_output : public text_output {
 public:
  void display_socket_data(const char*, int) override {}
  void output_text(const char*) override {}
  void set_colors(int, int) override {}
  void reset_colors() override {}
  void follow_end() override {}
  void refresh() override {}
  bool has_partial_line() const override { return false; }
  void flush_partial_line() override {}
};

class null_display : public redirect_display {
 public:
  text_output& output() override { return out; }
  void suspend_updates() override {}
  void resume_updates() override {}
  void clear_display() override {}
  int get_scroll_position() override { return 0; }
  void set_scroll_position(int) override {}
  void view_end() override {}
  void start_color_flash(const char*) override {}
  null_output out;
};

class fuzz_config_host : public config_command_host {
 public:
  int get_automap_display() override { return automap; }
  void set_automap_display(int value) override { automap = value; }
  void set_hint_button_enable(int) override {}
  void set_fkey_button_display(int) override {}
  void set_hpbar_enable(int) override {}
  void set_popup_display(int) override {}
  void set_direction_button_enable(int) override {}
  void set_exp_display(int) override {}
  void flash_automap() override {}
  void flash_hint_buttons() override {}
  void flash_status_display() override {}
  void flash_popup_buttons() override {}
  void flash_main_window() override {}
  void flash_input_window() override {}
  int automap = 0;
};

class fuzz_handler : public tag_handler {
 public:
  int get_setting(tag_setting) override { return 1; }
  void set_title(const char*) override {}
  void select_char_config(const char*) override {}
  void set_login_time_now() override {}
  void set_login_state(int) override {}
  void set_password_mode(bool) override {}
  void relayout() override {}
  void request_status_report() override {}
  void set_uuid(const char*) override {}
  long long ping_elapsed_ms() override { return 5; }
  void config_command(const char* line) override { config_cmd_process(line, config_host); }
  void setup_vote_menu(const char* suffix, const char* data) override { ::setup_vote_menu(votes, suffix, data); }
  void rebuild_vote_menu() override { build_vote_menu(votes); }
  void set_current_output(redirect_display&) override {}
  void set_channel_diversion(bool) override {}
  redirect_display& main_display() override { return main; }
  void select_history(int) override {}
  void automap_parse_map(const char*, int) override {}
  void automap_walkfail(const char*) override {}
  void automap_set_area_name(const char*) override {}
  void automap_set_combat(bool) override {}
  void automap_set_exits(int) override {}
  void automap_apply_visibility() override {}
  void direction_buttons_enable_all(bool) override {}
  void direction_buttons_set_exits(int) override {}
  void status_display_hp(const char*) override {}
  void status_display_enemyhp(const char*) override {}
  void status_display_xpp(const char*) override {}
  void status_display_show(bool) override {}
  void status_display_set_show_flags(bool, bool, bool) override {}
  void status_bar_update_sky_display(const char*) override {}
  void status_bar_set_icons(const char*) override {}
  void status_bar_add_ping_sample(int) override {}
  void status_bar_show(bool) override {}
  void sky_bar_show(bool) override {}
  void group_parse_update_line(const char*) override {}
  void soundpack_parse_audio_tag(const char*) override {}
  void hint_buttons_blank_all() override {}
  void hint_buttons_setup_button(const char*, const char*) override {}
  void fkey_setup_button(const char*, const char*) override {}
  void fkey_set_label_shown(bool) override {}
  void popup_create_window(const char*) override {}
  redirect_display* popup_find_display(const char* name) override { return name[0] == 'p' ? &popup : nullptr; }
  void channel_set_divert_channel(const char*) override {}
  void channel_clear_divert_channel() override {}

  null_display main;
  null_display popup;
  fuzz_config_host config_host;
  VConfig votes{std::string()};
};

class fuzz_command_host : public command_host {
 public:
  text_output& main_text() override { return out; }
  bool is_connected() override { return connected; }
  bool is_playing() override { return true; }
  void send_line(const char*) override {}
  void socket_connect(int) override {}
  void drop_connection(const char*) override {}
  void send_ping() override {}
  void note_command_time() override {}
  void system_shutdown_handler() override {}
  bool password_mode() override { return false; }
  bool local_echo() override { return true; }
  bool cmd_separator() override { return true; }
  void show_keyboard_help() override {}
  void show_version() override {}
  void show_history() override {}
  void clear_display() override {}
  void clear_channel_windows() override {}
  void debug_fill() override {}
  void process_tagged_data(const char*, const char*, int) override {}
  null_output out;
  bool connected = false;
};

const char* const names[] = {"login", "map", "walkfail", "dirs", "areaname", "combat", "ncombat", "uuid",
                             "enemyhp", "group", "xpp", "event", "hp", "sound", "bclear", "window_create",
                             "append", "unappend", "chdiv", "chudiv", "divert", "undivert", "config",
                             "skystate", "icons", "votemenu1", "votemenu16", "bf3", "b7x"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  debug_level = 0;
  if (size < 1) return 0;
  static fuzz_handler handler;
  static tag_dispatcher dispatcher(handler);
  std::string payload(reinterpret_cast<const char*>(data + 1), size - 1);
  size_t choice = data[0] % (sizeof names / sizeof names[0] + 1);
  std::string name;
  if (choice < sizeof names / sizeof names[0]) {
    name = names[choice];
  } else {
    // A name of up to 63 bytes from the input itself; the data is what follows a ';'.
    size_t cut = payload.find(';');
    name = payload.substr(0, cut == std::string::npos ? payload.size() : cut).substr(0, 63);
    payload = cut == std::string::npos ? "" : payload.substr(cut + 1);
  }
  // The parser never passes a ';' or a zero byte inside the data.
  payload = payload.substr(0, payload.find_first_of(std::string(";\0", 2)));
  name = name.substr(0, name.find('\0'));
  dispatcher.process_tagged_data(name.c_str(), payload.c_str(), (int)payload.size());

  static fuzz_command_host commands_host;
  static command_processor commands(commands_host);
  commands_host.connected = data[0] & 1;
  // The debug file command would create files named by the input.
  if (word_abbrev(payload.c_str(), "//debugfilename", 8)) return 0;
  commands.send_command(payload.c_str(), true);
  return 0;
}
