// Pull reader of the small XML subset the configuration files use: nested elements without
// attributes, one-line printable leaf values and the entities &lt; &gt; &amp;.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class quor_xml_reader {
 public:
  virtual ~quor_xml_reader();

  // The next byte 0..255 of the source, or -1 at its end.
  virtual int read_char() = 0;

  // 1 if the line is an acceptable declaration (version and encoding given), else 0.
  int check_xml_header_string(const char* line);
  // 1 after an opening tag (name in dest, pushed on the tag stack); 0 after a closing tag,
  // at the end of the source or on an unreadable tag.
  int read_tag(char* dest, int size);
  // A leaf's text value and its closing tag; 1 on success.
  int read_data(char* dest, int size);
  // A leaf's integer value and its closing tag; 1 if the value is a number (dest unchanged otherwise).
  int read_data(int* dest);
  // Skips the rest of the element opened last, its children and its closing tag.
  void skip_data();

  // Open elements, innermost last (for tests and diagnostics).
  int stack_depth() const { return (int)tag_stack.size() + overflow_depth; }

 private:
  int read_block(char* dest, int size, bool reading_tag);
  int skip_chunk();
  int skip_chunk_to_tag();
  void pop_stack_entry(const char* tag);
  void compact_string(char* text);
  void push_stack_entry(const char* name);

  // Newest last; names beyond max_depth are only counted so a hostile file cannot grow it without bound.
  std::vector<std::string> tag_stack;
  int overflow_depth = 0;
};

// Reads from an open file that the caller owns.
class quor_xml_file_reader : public quor_xml_reader {
 public:
  explicit quor_xml_file_reader(FILE* file);
  int read_char() override;

 private:
  FILE* file;
};
