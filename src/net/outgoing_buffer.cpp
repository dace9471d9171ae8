#include "net/outgoing_buffer.h"

#include <cstring>

#include "util/debug_log.h"

void quor_outgoing_buffer::append_outgoing_string(const char* text) {
  if (!text) return;
  int length = (int)strlen(text);
  int free_space = capacity - used;
  if (length >= free_space) {
    if (debug_level > 1) debug_log("Error in append_outgoing_string() - not enough space in outgoing buffer?\n");
    length = free_space;
  }
  memcpy(bytes + used, text, (size_t)length);
  used += length;
}

void quor_outgoing_buffer::send_line(const char* text) {
  append_outgoing_string(text);
  append_outgoing_string("\n");
}

void quor_outgoing_buffer::consume(int count) {
  if (count <= 0) return;
  if (count >= used) {
    used = 0;
    return;
  }
  memmove(bytes, bytes + count, (size_t)(used - count));
  used -= count;
}
