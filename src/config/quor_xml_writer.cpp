#include "config/quor_xml_writer.h"

#include <cstring>

#include "util/debug_log.h"

namespace {

void report(const char* text) {
  if (debug_level > 0) debug_log("%s", text);
}

}  // namespace

quor_xml_writer::~quor_xml_writer() = default;

int quor_xml_writer::emit(const char* text) {
  int written = write_text(text);
  if (written < 0 || (size_t)written != strlen(text)) failed = true;
  return written;
}

void quor_xml_writer::write_indentation() {
  for (int i = 0; i < depth; i++) emit("  ");
}

int quor_xml_writer::write_xml_header() { return emit("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"); }

void quor_xml_writer::write_tag(const char* name, bool container) {
  if (!name) {
    report("Error in quor_xml_writer::write_tag(), NULL tag.\n");
    return;
  }
  tag_stack.emplace_back(name);
  write_indentation();
  emit("<");
  write_string(name);
  emit(container ? ">\n" : ">");
  depth++;
}

void quor_xml_writer::end_tag(const char* expected, bool container) {
  if (depth > 0) depth--;
  if (container) write_indentation();
  emit("</");
  if (tag_stack.empty()) {
    report("Error in quor_xml_writer::end_tag(), tag stack empty.\n");
    emit("_BOGUS_ENDING_TAG_");
  } else {
    std::string name = tag_stack.back();
    tag_stack.pop_back();
    if (expected && name != expected) report("Warning in quor_xml_writer::end_tag(), tried to close wrong tag.\n");
    write_string(name.c_str());
  }
  emit(">\n");
}

void quor_xml_writer::write_string(const char* text) {
  if (!text) {
    report("Error in quor_xml_writer::write_string(), NULL data.\n");
    return;
  }
  // Plain runs go out whole; only the three special bytes are replaced.
  std::string run;
  for (const char* p = text; *p; p++) {
    switch (*p) {
      case '<':
        run += "&lt;";
        break;
      case '>':
        run += "&gt;";
        break;
      case '&':
        run += "&amp;";
        break;
      default:
        run += *p;
    }
  }
  if (!run.empty()) emit(run.c_str());
}

void quor_xml_writer::write_int_element(const char* name, int value) {
  char number[16];
  snprintf(number, sizeof number, "%d", value);
  write_tag(name, false);
  if (!name) return;
  emit(number);
  end_tag(name, false);
}

void quor_xml_writer::write_text_element(const char* name, const char* text) {
  write_tag(name, false);
  if (!name) return;
  write_string(text);
  end_tag(name, false);
}

int quor_xml_writer::write_newline() { return emit("\n"); }

quor_xml_file_writer::quor_xml_file_writer(FILE* file) : file(file) {
  if (!file) report("Error in quor_xml_file_writer::quor_xml_file_writer(), NULL file handle.\n");
}

int quor_xml_file_writer::write_text(const char* text) {
  if (!file || !text) return -1;
  return fprintf(file, "%s", text);
}
