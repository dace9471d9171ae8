#include "util/text_buffer.h"

#include <cstdarg>
#include <cstdio>

void text_buffer::append(const char* s) {
  if (!s) s = "(null)";
  while (*s && used < capacity) text[used++] = *s++;
  if (used >= capacity) used = capacity - 1;
  text[used] = 0;
}

void text_buffer::append_char(char c) {
  if (used > capacity - 2) return;
  text[used++] = c;
  text[used] = 0;
}

void text_buffer::append_format(const char* format, ...) {
  char formatted[capacity];
  va_list args;
  va_start(args, format);
  int n = vsnprintf(formatted, sizeof formatted, format, args);
  va_end(args);
  if (n > 0) append(formatted);
}

void text_buffer::set_first_line(const char* source) {
  clear();
  if (!source) return;
  while (source[used] && source[used] != '\n' && used < capacity - 1) {
    text[used] = source[used];
    used++;
  }
  text[used] = 0;
}
