#include "util/words.h"

#include <cctype>
#include <cstdlib>

#include "util/debug_log.h"

namespace {

bool ends_word(char c) { return c == 0 || is_word_separator(c); }

char lower(char c) { return (char)tolower((unsigned char)c); }

}  // namespace

const char* next_arg(const char* s) {
  if (!s) {
    debug_log_message("Error in next_arg(), NULL pointer passed in.", LOG_TRACE);
    return nullptr;
  }
  while (is_word_separator(*s)) s++;
  while (!ends_word(*s)) s++;
  while (is_word_separator(*s)) s++;
  return *s ? s : nullptr;
}

const char* last_arg(const char* s) {
  if (!s) {
    debug_log_message("Error in last_arg(), NULL pointer passed in.", LOG_TRACE);
    return nullptr;
  }
  const char* last = s;
  for (const char* p = s; *p; p++) {
    if (!is_word_separator(*p) && (p == s || is_word_separator(p[-1]))) last = p;
  }
  return last;
}

bool parse_int(const char* s, int* out) {
  if (!s) return false;
  bool starts_number = isdigit((unsigned char)s[0]) || s[0] == '+' || (s[0] == '-' && isdigit((unsigned char)s[1]));
  if (!starts_number) return false;
  // Clamp like a careful atoi: overlong digit runs must not overflow.
  long value = strtol(s, nullptr, 10);
  if (value > 2147483647L) value = 2147483647L;
  if (value < -2147483647L - 1) value = -2147483647L - 1;
  *out = (int)value;
  return true;
}

bool word_equal(const char* a, const char* b) {
  if (!a || !b) return false;
  for (int i = 0; i < 400; i++) {
    bool end_a = ends_word(a[i]);
    bool end_b = ends_word(b[i]);
    if (end_a || end_b) return end_a && end_b;
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

int word_abbrev(const char* input, const char* keyword, int minimum) {
  if (!input || !keyword) return 0;
  int i = 0;
  while (!ends_word(input[i])) {
    if (keyword[i] == 0 || lower(input[i]) != lower(keyword[i])) return 0;
    i++;
  }
  if (i == 0) return 0;
  if (minimum > 0 && i < minimum && keyword[i] != 0) return 0;
  return i;
}

int word_prefix(const char* input, const char* keyword) {
  if (!input || !keyword) return 0;
  int i = 0;
  while (!ends_word(input[i])) {
    if (keyword[i] == 0 || lower(input[i]) != lower(keyword[i])) return 0;
    i++;
  }
  return i;
}

bool word_in_list(const char* word, const char* list) {
  if (!word || !list) return false;
  for (const char* p = list; p; p = next_arg(p)) {
    while (is_word_separator(*p)) p++;
    if (!*p) break;
    if (word_equal(word, p)) return true;
  }
  return false;
}
