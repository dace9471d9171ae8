// In-memory source and sink for the XML reader and writer, and small file helpers.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "config/quor_xml_reader.h"
#include "config/quor_xml_writer.h"

class string_reader : public quor_xml_reader {
 public:
  explicit string_reader(std::string text) : text(std::move(text)) {}
  int read_char() override { return at < text.size() ? (unsigned char)text[at++] : -1; }
  // What has not been read yet.
  std::string rest() const { return text.substr(at); }

 private:
  std::string text;
  size_t at = 0;
};

class string_writer : public quor_xml_writer {
 public:
  int write_text(const char* text) override {
    if (fail_after >= 0 && (int)written.size() >= fail_after) return -1;
    written += text;
    return (int)std::string(text).size();
  }
  std::string written;
  // Writes fail once this many bytes are out; negative never.
  int fail_after = -1;
};

inline std::string read_whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void write_whole_file(const std::string& path, const std::string& text) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return;
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}

inline bool file_exists(const std::string& path) {
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return false;
  fclose(f);
  return true;
}
