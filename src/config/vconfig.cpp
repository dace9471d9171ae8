#include "config/vconfig.h"

#include <unistd.h>

#include <cstring>
#include <ctime>

#include "config/atomic_file.h"
#include "config/char_config_xml.h"
#include "config/config_font_bridge.h"
#include "config/config_setting_listener.h"
#include "config/quor_xml_reader.h"
#include "config/quor_xml_writer.h"
#include "util/debug_log.h"
#include "util/file_utils.h"
#include "util/random.h"
#include "util/words.h"

namespace {

const int tag_size = 10000;
const int text_size = 1000;
const int header_line_size = 10000 + 1;
// The system file sits where characters' files used to be; it is never a character's file.
const char system_file_base[] = "vandrel";

// A name as it can go into a log line: control bytes shown as '?'.
std::string printable(const char* name) {
  std::string shown = name ? name : "";
  for (char& c : shown)
    if ((unsigned char)c < 32 || c == 127) c = '?';
  return shown;
}

bool vote_menu_element(const char* tag, const char* kind, int* index) {
  char element[40];
  for (int i = 0; i < VConfig::vote_menu_entries; i++) {
    snprintf(element, sizeof element, "vote_menu%d_%s", i, kind);
    if (word_equal(tag, element)) {
      *index = i;
      return true;
    }
  }
  return false;
}

}  // namespace

VConfig::VConfig() : uses_client_directory(true) {}

VConfig::VConfig(const std::string& directory) : uses_client_directory(false), fixed_directory(directory) {}

VConfig::~VConfig() = default;

VConfig& VConfig::instance() {
  static VConfig config;
  return config;
}

const char* VConfig::directory() const {
  if (uses_client_directory) return quor_client_get_config_directory();
  return fixed_directory.empty() ? nullptr : fixed_directory.c_str();
}

char_config VConfig::fresh_record() {
  config_fonts in_use;
  if (fonts) in_use = fonts->fonts_in_use();
  in_use.text_font_size = default_font_size;
  return make_fresh_char_config(in_use);
}

char_config* VConfig::find(const char* name) const {
  if (!name) name = "";
  for (const auto& record : records)
    if (record->name == name) return record.get();
  return nullptr;
}

void VConfig::load_system_config_file() {
  const char* base = directory();
  if (!base) {
    if (debug_level > 0) debug_log("Unable to load system config - no config file directory.\n");
    return;
  }
  unlink((std::string(base) + "/sound_version.cfg").c_str());
  std::string path = std::string(base) + "/vandrel.cfg";
  if (debug_level > 2) debug_log("load_system_config_file() - using core config file name '%s'.\n", path.c_str());

  std::string selected;
  FILE* file = fopen(path.c_str(), "rb");
  if (!file) {
    if (debug_level > 0) debug_log("Unable to load system config - cannot open config file '%s'.\n", path.c_str());
  } else {
    std::vector<char> line(header_line_size);
    fget_line(file, line.data(), header_line_size);
    {
      quor_xml_file_reader reader(file);
      if (!reader.check_xml_header_string(line.data())) {
        if (debug_level > 0) debug_log("Warning in load_system_config_file() - bad XML header, bailing.\n");
      } else {
        selected = read_system_config(reader);
      }
    }
    fclose(file);
  }

  if (uuid.empty()) {
    create_default_uuid();
    if (debug_level > 2) debug_log("load_system_config_file() - created default uuid '%s'.\n", uuid.c_str());
  }
  setup_default_config(selected.c_str());
  apply_font();
}

std::string VConfig::read_system_config(quor_xml_reader& reader) {
  std::string selected;
  std::vector<char> tag(tag_size);
  while (reader.read_tag(tag.data(), tag_size)) {
    if (word_equal(tag.data(), "system_config_list")) {
      load_xml_system_config(reader, &selected);
    } else {
      if (debug_level > 0) debug_log("VConfig::load_system_config_file() got unknown tag '%s'\n", tag.data());
      reader.skip_data();
    }
  }
  return selected;
}

void VConfig::load_xml_system_config(quor_xml_reader& reader, std::string* selected_name) {
  std::vector<char> tag(tag_size);
  char text[text_size];
  int index;
  while (reader.read_tag(tag.data(), tag_size)) {
    const char* name = tag.data();
    if (word_equal(name, "curr_config")) {
      if (reader.read_data(text, sizeof text)) *selected_name = text;
    } else if (word_equal(name, "system_audio_enable")) {
      reader.read_data(&system_audio_enable);
    } else if (word_equal(name, "bootloader_version") || word_equal(name, "autoupdate_executable1_state") ||
               word_equal(name, "autoupdate_executable2_state")) {
      reader.read_data(text, sizeof text);
    } else if (word_equal(name, "single_config")) {
      load_xml_single_system_config(reader, nullptr);
    } else if (word_equal(name, "uuid")) {
      if (reader.read_data(text, sizeof text)) {
        uuid.assign(text, strnlen(text, uuid_file_length));
        if (debug_level > 2) debug_log("load_xml_system_config() - loaded uuid '%s'.\n", uuid.c_str());
      }
    } else if (word_equal(name, "uuid_create_time")) {
      reader.read_data(&uuid_create_time);
    } else if (word_equal(name, "last_voting_time")) {
      reader.read_data(&last_voting_time);
    } else if (word_equal(name, "last_voting_reminder_time")) {
      reader.read_data(&last_voting_reminder_time);
    } else if (word_equal(name, "voting_reminders")) {
      reader.read_data(&voting_reminders);
    } else if (vote_menu_element(name, "name", &index)) {
      if (reader.read_data(text, sizeof text)) vote_menu[index].name = text;
    } else if (vote_menu_element(name, "url", &index)) {
      if (reader.read_data(text, sizeof text)) vote_menu[index].url = text;
    } else {
      reader.skip_data();
    }
  }
}

void VConfig::load_xml_single_system_config(quor_xml_reader& reader, const char* expected_name) {
  char_config record = fresh_record();
  read_char_config_children(reader, &record);
  apply_load_checks(&record);
  if (record.name.empty()) {
    if (debug_level > 0)
      debug_log("Error in VConfig::load_xml_single_system_config(), missing name for loaded config.  Ignoring.\n");
    return;
  }
  if (expected_name && record.name != expected_name) {
    if (debug_level > 0)
      debug_log("Error in VConfig::load_xml_single_system_config(), got bad name '%s' for loaded config '%s'.\n",
                record.name.c_str(), expected_name);
    return;
  }
  add(record);
  if (debug_level > 2) {
    debug_log("VConfig::load_xml_single_system_config() - Font size %d, '%s'.\n", record.font_size,
              record.font.c_str());
    debug_log("VConfig::load_xml_single_system_config() - Button font size %d, '%s'.\n", record.button_font_size,
              record.button_font.c_str());
  }
}

void VConfig::read_char_config_file(quor_xml_reader& reader, const char* expected_name) {
  std::vector<char> tag(tag_size);
  while (reader.read_tag(tag.data(), tag_size)) {
    if (word_equal(tag.data(), "single_config"))
      load_xml_single_system_config(reader, expected_name);
    else
      reader.skip_data();
  }
}

char_config* VConfig::add(const char_config& record) {
  if (char_config* existing = find(record.name.c_str())) {
    if (debug_level > 2) debug_log("VConfig::add(), replacing config for %s.\n", record.name.c_str());
    if (existing != &record) *existing = record;
    return existing;
  }
  records.push_back(std::make_unique<char_config>(record));
  return records.back().get();
}

void VConfig::setup_default_config(const char* name) {
  if (name && name[0]) {
    if (debug_level > 2) debug_log("VConfig::setup_default_config() - trying to use previous config '%s'.\n", name);
    current = get_or_load(name);
    if (!current) {
      if (debug_level > 2)
        debug_log("VConfig::setup_default_config() - unable to load or find previous config, using default.\n");
      current = add(fresh_record());
    }
    return;
  }
  if (debug_level > 2) debug_log("VConfig::setup_default_config() - no previous config specified, using default.\n");
  current = add(fresh_record());
}

char_config* VConfig::get_or_load(const char* name) {
  if (!name) name = "";
  if (char_config* found = find(name)) return found;
  if (debug_level > 1) debug_log("VConfig::get_or_load() - trying load of config '%s'.\n", printable(name).c_str());
  if (!is_safe_config_file_name(name)) {
    // The name comes from the server; it must never become part of a path.
    if (debug_level > 0)
      debug_log(
          "Warning in VConfig::get_or_load(), config name '%s' is not usable as a file name; keeping its "
          "settings in memory only.\n",
          printable(name).c_str());
    return nullptr;
  }
  const char* base = directory();
  if (!base) {
    if (debug_level > 1) debug_log("VConfig::get_or_load() - no config file for '%s'.\n", name);
    return nullptr;
  }
  std::string old_path = std::string(base) + "/" + name + ".cfg";
  bool old_style = false;
  FILE* file = nullptr;
  if (strcmp(name, system_file_base) != 0) file = fopen(old_path.c_str(), "rb");
  if (file) {
    if (debug_level > 0)
      debug_log("VConfig::get_or_load() - got old style per-char config file '%s'.\n", old_path.c_str());
    old_style = true;
  } else {
    std::string path = std::string(base) + "/char_configs/" + name + ".cfg";
    file = fopen(path.c_str(), "rb");
    if (!file) {
      if (debug_level > 1) debug_log("VConfig::get_or_load() - no config file for '%s'.\n", name);
      return nullptr;
    }
  }
  {
    quor_xml_file_reader reader(file);
    read_char_config_file(reader, name);
  }
  fclose(file);

  char_config* loaded = find(name);
  // The old file goes only once its contents are safely in the new place.
  if (loaded && old_style && save_char_config(*loaded)) unlink(old_path.c_str());
  if (debug_level > 1) debug_log("VConfig::get_or_load() - load of config '%s' success.\n", name);
  return loaded;
}

char_config* VConfig::create_new_config(const char* name, char_config* current_record) {
  if (!name) name = "";
  if (!current_record) {
    if (debug_level > 0) debug_log("Error in VConfig::create_new_config(), NULL old config?  Creating new.\n");
    char_config record = fresh_record();
    record.name = name;
    return add(record);
  }
  if (current_record->name.empty()) {
    if (debug_level > 2)
      debug_log("VConfig::create_new_config() - attaching name '%s' to current blank config.\n",
                printable(name).c_str());
    current_record->name = name;
    return current_record;
  }
  if (debug_level > 2)
    debug_log("VConfig::create_new_config() - making a copy of current config '%s' to create config '%s'.\n",
              printable(current_record->name.c_str()).c_str(), printable(name).c_str());
  char_config record = fresh_record();
  record.name = name;
  return add(record);
}

void VConfig::select_char_config(const char* name) {
  if (!name || !name[0]) return;
  char_config* record = get_or_load(name);
  if (!record) record = create_new_config(name, current);
  current = record;
  apply_font();
}

void VConfig::apply_font() {
  if (!current) {
    if (debug_level > 0) debug_log("Error in VConfig::apply_font(), null current_char_cfg.\n");
    return;
  }
  default_font_size = current->font_size;
  if (fonts) fonts->apply_fonts(*current);
}

bool VConfig::save_char_config(const char_config& record) {
  if (!is_safe_config_file_name(record.name.c_str())) {
    if (debug_level > 0)
      debug_log("Warning in save_char_config(), config name '%s' is not usable as a file name; not saved.\n",
                printable(record.name.c_str()).c_str());
    return false;
  }
  const char* base = directory();
  if (!base) return false;
  std::string folder = std::string(base) + "/char_configs";
  if (!quor_client_check_config_directory(folder.c_str()) && debug_level > 1)
    debug_log("Unable to create directory for config file '%s'.\n", folder.c_str());
  std::string path = folder + "/" + record.name + ".cfg";
  atomic_file out(path);
  bool written = false;
  if (out.file()) {
    quor_xml_file_writer writer(out.file());
    write_char_config(writer, record);
    if (writer.has_failed())
      out.discard_after_write_error();
    else
      written = out.commit();
  }
  if (!written && debug_level > 0) debug_log("Unable to save config file '%s'.\n", path.c_str());
  return written;
}

bool VConfig::save_system_config_file() {
  const char* base = directory();
  if (!base) {
    if (debug_level > 0) debug_log("Unable to save system config - no config file directory.\n");
    return false;
  }
  std::string path = std::string(base) + "/vandrel.cfg";
  atomic_file out(path);
  if (!out.file()) {
    if (debug_level > 0) debug_log("Unable to save system config - cannot open config file '%s'.\n", path.c_str());
    return false;
  }
  quor_xml_file_writer writer(out.file());
  if (writer.write_xml_header() <= 0) {
    if (debug_level > 0)
      debug_log("Error in VConfig::save_system_config_file(), unable to write to system config file '%s'.\n",
                path.c_str());
    return false;
  }
  writer.write_tag("system_config_list", true);
  writer.write_text_element("uuid", uuid.c_str());
  writer.write_int_element("uuid_create_time", uuid_create_time);
  if (current && !current->name.empty()) writer.write_text_element("curr_config", current->name.c_str());
  writer.write_int_element("system_audio_enable", system_audio_enable);
  writer.write_int_element("last_voting_time", last_voting_time);
  writer.write_int_element("last_voting_reminder_time", last_voting_reminder_time);
  writer.write_int_element("voting_reminders", voting_reminders);
  char element[40];
  for (int i = 0; i < vote_menu_entries; i++) {
    if (vote_menu[i].name.empty()) continue;
    snprintf(element, sizeof element, "vote_menu%d_name", i);
    writer.write_text_element(element, vote_menu[i].name.c_str());
    snprintf(element, sizeof element, "vote_menu%d_url", i);
    writer.write_text_element(element, vote_menu[i].url.c_str());
  }
  bool characters_saved = true;
  for (const auto& record : records)
    if (!record->name.empty() && !save_char_config(*record)) characters_saved = false;
  writer.end_tag("system_config_list", true);
  writer.write_newline();
  if (writer.has_failed()) out.discard_after_write_error();
  if (!out.commit()) {
    if (debug_level > 0)
      debug_log("Error in VConfig::save_system_config_file(), unable to write to system config file '%s'.\n",
                path.c_str());
    return false;
  }
  return characters_saved;
}

void VConfig::create_default_uuid() {
  static const char digits[] = "0123456789abcdef";
  char text[uuid_file_length + 1];
  for (int i = 0; i < uuid_file_length; i++) text[i] = digits[general_random.random_next() & 15];
  memcpy(text, "DFLT", 4);
  text[uuid_file_length] = 0;
  uuid = text;
  if (debug_level > 2) debug_log("create_default_uuid() - created default uuid '%s'.\n", uuid.c_str());
}

void VConfig::set_uuid(const char* text) {
  if (!text || !text[0]) {
    if (debug_level > 0) debug_log("Error in set_uuid(), null string?\n");
    create_default_uuid();
    return;
  }
  uuid.assign(text, strnlen(text, uuid_server_length));
  if (debug_level > 2) debug_log("Changed uuid to '%s'.\n", uuid.c_str());
  int now = (int)time(nullptr);
  uuid_create_time = now;
  last_voting_reminder_time = now;
  last_voting_time = now;
  save_system_config_file();
}

popup_geometry VConfig::get_popup_geometry(const char* name) const {
  popup_geometry geometry;
  if (name) geometry.name.assign(name, strnlen(name, popup_geometry::max_name_length));
  if (!current) return geometry;
  for (const popup_geometry& stored : current->popup_window_list) {
    if (stored.name != geometry.name) continue;
    geometry.x = stored.x;
    geometry.y = stored.y;
    geometry.columns = stored.columns;
    geometry.rows = stored.rows;
    geometry.width = stored.width;
    geometry.height = stored.height;
    break;
  }
  return geometry;
}

void VConfig::store_popup_geometry(const popup_geometry& geometry) {
  if (!current) return;
  popup_geometry copy = geometry;
  if (copy.name.size() > (size_t)popup_geometry::max_name_length) copy.name.resize(popup_geometry::max_name_length);
  for (popup_geometry& stored : current->popup_window_list) {
    if (stored.name == copy.name) {
      stored = copy;
      return;
    }
  }
  current->popup_window_list.insert(current->popup_window_list.begin(), copy);
}

void VConfig::store_text_font(const char* description, int point_size) {
  if (!current) return;
  current->font = description ? description : "";
  current->font_size = point_size;
}

void VConfig::store_button_font(const char* description, int point_size) {
  if (!current) return;
  current->button_font = description ? description : "";
  current->button_font_size = point_size;
}

void VConfig::set_field(int char_config::*field, int value) {
  if (!current) return;
  const char_config_field* rule = find_char_config_field(field);
  int& stored = current->*field;
  if (rule && rule->only_if_changed && stored == value) return;
  stored = value;
  if (!listener) return;
  listener->setting_stored(rule ? rule->element : "", value);
  if (rule && rule->reports) listener->status_report_needed();
}

void VConfig::SetSystemAudio(int value) {
  if (value == system_audio_enable) return;
  system_audio_enable = value;
  if (listener) listener->status_report_needed();
  bool running = listener ? listener->switch_audio_output(value != 0) : true;
  if (value != 0 && !running) {
    if (debug_level > 0) debug_log("VConfig::SetSystemAudio() - unable to start audio.  Disabling.\n");
    SetSystemAudio(0);
    return;
  }
  if (listener) listener->setting_stored("system_audio_enable", system_audio_enable);
}

const char* VConfig::get_vote_menu_name(int index) const {
  if (index < 0 || index >= vote_menu_entries) return "";
  return vote_menu[index].name.c_str();
}

const char* VConfig::get_vote_menu_url(int index) const {
  if (index < 0 || index >= vote_menu_entries) return "";
  return vote_menu[index].url.c_str();
}

void VConfig::set_vote_menu_entry(int index, const char* name, const char* url) {
  if (index < 0 || index >= vote_menu_entries) return;
  vote_menu[index].name = name ? name : "";
  vote_menu[index].url = url ? url : "";
}

void load_system_config() {
  VConfig::instance().load_system_config_file();
  if (debug_level > 2) {
    debug_log("load_system_config() - finished\n");
    debug_log("\n");
  }
  if (const char* base = quor_client_get_config_directory()) unlink((std::string(base) + "/bootname.txt").c_str());
}

void select_char_config(const char* name) { VConfig::instance().select_char_config(name); }

void set_uuid(const char* text) { VConfig::instance().set_uuid(text); }

popup_geometry get_popup_geometry(const char* name) { return VConfig::instance().get_popup_geometry(name); }

void store_popup_geometry(const popup_geometry& geometry) { VConfig::instance().store_popup_geometry(geometry); }
