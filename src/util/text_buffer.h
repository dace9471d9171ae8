// Fixed-size text builder: holds at most 5999 characters and silently drops the rest.
#pragma once

class text_buffer {
 public:
  static const int capacity = 6000;

  text_buffer() { clear(); }
  void clear() {
    used = 0;
    text[0] = 0;
  }
  void append(const char* s);
  void append_char(char c);
  // printf-style append, cut at the capacity like append().
  void append_format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void set_first_line(const char* source);

  bool is_empty() const { return used == 0; }
  bool is_full() const { return used > capacity - 2; }
  const char* contents() const { return text; }
  int length() const { return used; }

 private:
  char text[capacity];
  int used;
};
