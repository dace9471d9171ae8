#include "display/glob_match.h"

#include <cstring>

namespace {

void capture(char* captures[4], int capture_size, int* slot, const char* from, int length) {
  if (*slot >= 4) return;
  char* buffer = captures ? captures[*slot] : nullptr;
  (*slot)++;
  if (!buffer || capture_size <= 0) return;
  if (length > capture_size - 1) length = capture_size - 1;
  memcpy(buffer, from, length);
  buffer[length] = 0;
}

}  // namespace

bool glob_match(const char* pattern, const char* text, char* captures[4], int capture_size) {
  if (!pattern || !text) return false;
  if (!strchr(pattern, '*')) return strncmp(pattern, text, strlen(pattern)) == 0;
  int slot = 0;
  const char* p = pattern;
  const char* t = text;
  // The literal head before the first '*'.
  while (*p && *p != '*') {
    if (*p != *t) return false;
    p++;
    t++;
  }
  while (*p == '*') {
    while (*p == '*') p++;
    const char* segment = p;
    while (*p && *p != '*') p++;
    size_t length = p - segment;
    if (length == 0) {
      capture(captures, capture_size, &slot, t, (int)strlen(t));
      return true;
    }
    const char* found;
    if (*p == 0) {
      // The final segment is anchored at the end of the text.
      size_t rest = strlen(t);
      if (rest < length || memcmp(t + rest - length, segment, length) != 0) return false;
      found = t + rest - length;
    } else {
      found = nullptr;
      for (const char* s = t; *s; s++)
        if (strncmp(s, segment, length) == 0) {
          found = s;
          break;
        }
      if (!found) return false;
    }
    capture(captures, capture_size, &slot, t, (int)(found - t));
    t = found + length;
  }
  return *t == 0;
}

bool is_map_rebuild_request(const char* line) { return glob_match("* imms: rebuild please", line); }
