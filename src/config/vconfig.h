// The configuration manager: every character's settings and the installation's own values, loaded
// at start-up from the configuration directory and written back whole.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "config/char_config.h"

class config_font_bridge;
class config_setting_listener;
class quor_xml_reader;

class VConfig {
 public:
  static const int vote_menu_entries = 16;
  static const int uuid_file_length = 32;
  static const int uuid_server_length = 33;

  // Uses the client's configuration directory (chosen at start-up).
  VConfig();
  // Uses the given directory; an empty one means there is none.
  explicit VConfig(const std::string& directory);
  ~VConfig();
  VConfig(const VConfig&) = delete;
  VConfig& operator=(const VConfig&) = delete;

  // The process-wide configuration, created on first use.
  static VConfig& instance();

  // Where fresh records take their fonts from and where apply_font sends the record's fonts.
  void set_font_bridge(config_font_bridge* bridge) { fonts = bridge; }
  // Told of every setter's change; without one the setters only store.
  void set_setting_listener(config_setting_listener* observer) { listener = observer; }

  void load_system_config_file();
  // Writes the system file and every named character file; false if any of them failed.
  bool save_system_config_file();
  char_config* get_or_load(const char* name);
  char_config* create_new_config(const char* name, char_config* current);
  char_config* add(const char_config& record);
  void setup_default_config(const char* name);
  // Makes the character's record current (loading or creating it) and applies its fonts.
  void select_char_config(const char* name);
  void apply_font();

  // The system file's elements after its declaration line; returns the curr_config name read.
  std::string read_system_config(quor_xml_reader& reader);
  // A character file's top-level elements; records named expected_name are added.
  void read_char_config_file(quor_xml_reader& reader, const char* expected_name);

  void create_default_uuid();
  void set_uuid(const char* text);
  // The identifier of this installation sent in the login line; never null.
  const char* get_uuid() const { return uuid.c_str(); }

  // The record in use, or null before start-up and without a configuration directory.
  char_config* current_char_cfg() const { return current; }
  // The record of that exact name, or null.
  char_config* find(const char* name) const;
  int record_count() const { return (int)records.size(); }

  popup_geometry get_popup_geometry(const char* name) const;
  void store_popup_geometry(const popup_geometry& geometry);
  // Record the fonts in use (native description and point size) in the current record.
  void store_text_font(const char* description, int point_size);
  void store_button_font(const char* description, int point_size);

  int get_default_font_size() const { return default_font_size; }

  // System values.
  int get_system_audio_enable() const { return system_audio_enable; }
  // Sounds on (1) or off (0): stores the switch and has the listener start or stop the audio
  // output; a start that fails switches sounds off again.
  void SetSystemAudio(int value);
  int get_uuid_create_time() const { return uuid_create_time; }
  int get_last_voting_time() const { return last_voting_time; }
  void set_last_voting_time(int value) { last_voting_time = value; }
  int get_last_voting_reminder_time() const { return last_voting_reminder_time; }
  void set_last_voting_reminder_time(int value) { last_voting_reminder_time = value; }
  int get_voting_reminders() const { return voting_reminders; }
  void set_voting_reminders(int value) { voting_reminders = value; }
  // An entry is set when it has a name; index 0..15, anything else reads as unset.
  const char* get_vote_menu_name(int index) const;
  const char* get_vote_menu_url(int index) const;
  void set_vote_menu_entry(int index, const char* name, const char* url);

  // One getter and one setter per character setting; getters give 0 (texts "") without a current record.
  const char* get_name() const { return current ? current->name.c_str() : ""; }
  const char* get_font() const { return current ? current->font.c_str() : ""; }
  const char* get_button_font() const { return current ? current->button_font.c_str() : ""; }
  int get_font_size() const { return get_field(&char_config::font_size); }
  void set_font_size(int value) { set_field(&char_config::font_size, value); }
  int get_button_font_size() const { return get_field(&char_config::button_font_size); }
  void set_button_font_size(int value) { set_field(&char_config::button_font_size, value); }
  int get_keypad_walking() const { return get_field(&char_config::keypad_walking); }
  void set_keypad_walking(int value) { set_field(&char_config::keypad_walking, value); }
  int get_url_hotlinking() const { return get_field(&char_config::url_hotlinking); }
  void set_url_hotlinking(int value) { set_field(&char_config::url_hotlinking, value); }
  int get_compact_mode() const { return get_field(&char_config::compact_mode); }
  void set_compact_mode(int value) { set_field(&char_config::compact_mode, value); }
  int get_local_echo() const { return get_field(&char_config::local_echo); }
  void set_local_echo(int value) { set_field(&char_config::local_echo, value); }
  int get_cmd_separator() const { return get_field(&char_config::cmd_separator); }
  void set_cmd_separator(int value) { set_field(&char_config::cmd_separator, value); }
  int get_cmd_pushthrough() const { return get_field(&char_config::cmd_pushthrough); }
  void set_cmd_pushthrough(int value) { set_field(&char_config::cmd_pushthrough, value); }
  int get_hint_button_enable() const { return get_field(&char_config::hint_button_enable); }
  void set_hint_button_enable(int value) { set_field(&char_config::hint_button_enable, value); }
  int get_direction_button_enable() const { return get_field(&char_config::direction_button_enable); }
  void set_direction_button_enable(int value) { set_field(&char_config::direction_button_enable, value); }
  int get_fkey_button_display() const { return get_field(&char_config::fkey_button_display); }
  void set_fkey_button_display(int value) { set_field(&char_config::fkey_button_display, value); }
  int get_button_tooltips() const { return get_field(&char_config::button_tooltips); }
  void set_button_tooltips(int value) { set_field(&char_config::button_tooltips, value); }
  int get_status_bar() const { return get_field(&char_config::status_bar); }
  void set_status_bar(int value) { set_field(&char_config::status_bar, value); }
  int get_sky_bar() const { return get_field(&char_config::sky_bar); }
  void set_sky_bar(int value) { set_field(&char_config::sky_bar, value); }
  int get_exp_display() const { return get_field(&char_config::exp_display); }
  void set_exp_display(int value) { set_field(&char_config::exp_display, value); }
  int get_hpbar_enable() const { return get_field(&char_config::hpbar_enable); }
  void set_hpbar_enable(int value) { set_field(&char_config::hpbar_enable, value); }
  int get_hp_display() const { return get_field(&char_config::hp_display); }
  void set_hp_display(int value) { set_field(&char_config::hp_display, value); }
  int get_enemy_hpbar_enable() const { return get_field(&char_config::enemy_hpbar_enable); }
  void set_enemy_hpbar_enable(int value) { set_field(&char_config::enemy_hpbar_enable, value); }
  int get_enemy_hp_display() const { return get_field(&char_config::enemy_hp_display); }
  void set_enemy_hp_display(int value) { set_field(&char_config::enemy_hp_display, value); }
  int get_group_status_display() const { return get_field(&char_config::group_status_display); }
  void set_group_status_display(int value) { set_field(&char_config::group_status_display, value); }
  int get_group_status_inverted_bars() const { return get_field(&char_config::group_status_inverted_bars); }
  void set_group_status_inverted_bars(int value) { set_field(&char_config::group_status_inverted_bars, value); }
  int get_popup_display() const { return get_field(&char_config::popup_display); }
  void set_popup_display(int value) { set_field(&char_config::popup_display, value); }
  int get_locking_scrollback_enable() const { return get_field(&char_config::locking_scrollback_enable); }
  void set_locking_scrollback_enable(int value) { set_field(&char_config::locking_scrollback_enable, value); }
  int get_mw_scrollbar_enable() const { return get_field(&char_config::mw_scrollbar_enable); }
  void set_mw_scrollbar_enable(int value) { set_field(&char_config::mw_scrollbar_enable, value); }
  int get_current_layout() const { return get_field(&char_config::current_layout); }
  void set_current_layout(int value) { set_field(&char_config::current_layout, value); }
  int get_current_theme() const { return get_field(&char_config::current_theme); }
  void set_current_theme(int value) { set_field(&char_config::current_theme, value); }
  int get_current_background_theme() const { return get_field(&char_config::current_background_theme); }
  void set_current_background_theme(int value) { set_field(&char_config::current_background_theme, value); }
  int get_font_colors_setting() const { return get_field(&char_config::font_colors_setting); }
  void set_font_colors_setting(int value) { set_field(&char_config::font_colors_setting, value); }
  int get_theme_bg_setting() const { return get_field(&char_config::theme_bg_setting); }
  void set_theme_bg_setting(int value) { set_field(&char_config::theme_bg_setting, value); }
  int get_automap_docked() const { return get_field(&char_config::automap_docked); }
  void set_automap_docked(int value) { set_field(&char_config::automap_docked, value); }
  int get_automap_display() const { return get_field(&char_config::automap_display); }
  void set_automap_display(int value) { set_field(&char_config::automap_display, value); }
  int get_automap_size() const { return get_field(&char_config::automap_size); }
  void set_automap_size(int value) { set_field(&char_config::automap_size, value); }
  int get_input_height() const { return get_field(&char_config::input_height); }
  void set_input_height(int value) { set_field(&char_config::input_height, value); }
  int get_channel_window_enable() const { return get_field(&char_config::channel_window_enable); }
  void set_channel_window_enable(int value) { set_field(&char_config::channel_window_enable, value); }
  int get_channel_window_height() const { return get_field(&char_config::channel_window_height); }
  void set_channel_window_height(int value) { set_field(&char_config::channel_window_height, value); }
  int get_channel_window_dupe() const { return get_field(&char_config::channel_window_dupe); }
  void set_channel_window_dupe(int value) { set_field(&char_config::channel_window_dupe, value); }
  int get_colorflash_enable() const { return get_field(&char_config::colorflash_enable); }
  void set_colorflash_enable(int value) { set_field(&char_config::colorflash_enable, value); }

 private:
  struct vote_menu_entry {
    std::string name;
    std::string url;
  };

  const char* directory() const;
  char_config fresh_record();
  void load_xml_system_config(quor_xml_reader& reader, std::string* selected_name);
  void load_xml_single_system_config(quor_xml_reader& reader, const char* expected_name);
  bool save_char_config(const char_config& record);
  int get_field(int char_config::*field) const { return current ? current->*field : 0; }
  // Stores the value and tells the listener (menu mark, panels, status report).
  void set_field(int char_config::*field, int value);

  bool uses_client_directory;
  std::string fixed_directory;
  config_font_bridge* fonts = nullptr;
  config_setting_listener* listener = nullptr;
  std::vector<std::unique_ptr<char_config>> records;
  char_config* current = nullptr;
  int system_audio_enable = 1;
  std::string uuid;
  int uuid_create_time = 0;
  int last_voting_time = 0;
  int last_voting_reminder_time = 0;
  int voting_reminders = 1;
  vote_menu_entry vote_menu[vote_menu_entries];
  int default_font_size = 8;
};

// Start-up: loads the system file and the last character's settings and applies the fonts.
void load_system_config();
// Login of a character: its settings become the ones in use.
void select_char_config(const char* name);
// The server's uuid tag.
void set_uuid(const char* text);
popup_geometry get_popup_geometry(const char* name);
void store_popup_geometry(const popup_geometry& geometry);
