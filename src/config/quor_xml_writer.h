// Push writer of the configuration files' XML subset: indented containers, one-line leaves.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class quor_xml_writer {
 public:
  virtual ~quor_xml_writer();

  // Writes the text unchanged; returns the count written, negative on an output error.
  virtual int write_text(const char* text) = 0;

  int write_xml_header();
  // Opens an element: a container ends its line, a leaf keeps the value on the same line.
  void write_tag(const char* name, bool container);
  // Closes the element opened last (expected may be null); the popped name is what is written.
  void end_tag(const char* expected, bool container);
  // Writes the text with <, > and & replaced by their entities.
  void write_string(const char* text);
  void write_int_element(const char* name, int value);
  void write_text_element(const char* name, const char* text);
  int write_newline();

  // True once any write_text reported an error or a short write; a file then must not replace the old one.
  bool has_failed() const { return failed; }

 private:
  int emit(const char* text);
  void write_indentation();

  int depth = 0;
  std::vector<std::string> tag_stack;
  bool failed = false;
};

// Writes to an open file that the caller owns.
class quor_xml_file_writer : public quor_xml_writer {
 public:
  explicit quor_xml_file_writer(FILE* file);
  int write_text(const char* text) override;

 private:
  FILE* file;
};
