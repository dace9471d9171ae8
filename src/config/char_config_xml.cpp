#include "config/char_config_xml.h"

#include <cstring>

#include "config/quor_xml_reader.h"
#include "config/quor_xml_writer.h"
#include "util/words.h"

namespace {

const int tag_size = 10000;
const int text_size = 1000;

void write_popup(quor_xml_writer& writer, const popup_geometry& popup) {
  writer.write_tag("single_popup_window", true);
  writer.write_text_element("name", popup.name.c_str());
  writer.write_int_element("x", popup.x);
  writer.write_int_element("y", popup.y);
  writer.write_int_element("width", popup.width);
  writer.write_int_element("height", popup.height);
  writer.end_tag("single_popup_window", true);
}

popup_geometry read_popup(quor_xml_reader& reader) {
  popup_geometry popup;
  char tag[tag_size];
  while (reader.read_tag(tag, sizeof tag)) {
    if (word_equal(tag, "name")) {
      char name[popup_geometry::max_name_length + 1];
      if (reader.read_data(name, sizeof name)) popup.name = name;
    } else if (word_equal(tag, "x")) {
      reader.read_data(&popup.x);
    } else if (word_equal(tag, "y")) {
      reader.read_data(&popup.y);
    } else if (word_equal(tag, "width")) {
      reader.read_data(&popup.width);
    } else if (word_equal(tag, "height")) {
      reader.read_data(&popup.height);
    } else {
      reader.skip_data();
    }
  }
  return popup;
}

void read_popup_list(quor_xml_reader& reader, char_config* config) {
  char tag[tag_size];
  while (reader.read_tag(tag, sizeof tag)) {
    if (word_equal(tag, "single_popup_window"))
      config->popup_window_list.insert(config->popup_window_list.begin(), read_popup(reader));
    else
      reader.skip_data();
  }
}

// An earlier version's switch: applies only when the value is a number.
bool read_old_switch(quor_xml_reader& reader, int* value) {
  *value = 0;
  return reader.read_data(value) == 1;
}

}  // namespace

void write_char_config(quor_xml_writer& writer, const char_config& config) {
  writer.write_tag("single_config", true);
  for (const char_config_field& field : char_config_fields()) {
    if (field.text)
      writer.write_text_element(field.element, (config.*field.text).c_str());
    else
      writer.write_int_element(field.element, config.*field.number);
  }
  writer.write_tag("popup_window_list", true);
  for (const popup_geometry& popup : config.popup_window_list) write_popup(writer, popup);
  writer.end_tag("popup_window_list", true);
  writer.end_tag("single_config", true);
}

void read_char_config_children(quor_xml_reader& reader, char_config* config) {
  char tag[tag_size];
  char text[text_size];
  int value;
  while (reader.read_tag(tag, sizeof tag)) {
    if (const char_config_field* field = find_char_config_field(tag)) {
      if (field->text) {
        if (reader.read_data(text, sizeof text)) config->*field->text = text;
      } else {
        reader.read_data(&(config->*field->number));
      }
    } else if (word_equal(tag, "use_new_layout")) {
      if (read_old_switch(reader, &value)) config->current_layout = value ? 1 : 0;
    } else if (word_equal(tag, "bright_color_display")) {
      if (read_old_switch(reader, &value) && value) config->font_colors_setting = 1;
    } else if (word_equal(tag, "zmud_color_display")) {
      if (read_old_switch(reader, &value) && value) config->font_colors_setting = 2;
    } else if (word_equal(tag, "gmud_color_display")) {
      if (read_old_switch(reader, &value) && value) config->font_colors_setting = 3;
    } else if (word_equal(tag, "popup_window_list")) {
      read_popup_list(reader, config);
    } else {
      reader.skip_data();
    }
  }
}

bool is_safe_config_file_name(const char* name) {
  if (!name || !name[0] || strcmp(name, ".") == 0 || strcmp(name, "..") == 0) return false;
  for (const unsigned char* p = (const unsigned char*)name; *p; p++)
    if (*p == '/' || *p == '\\' || *p < 32 || *p == 127) return false;
  return true;
}
