#include "display/link_finder.h"

#include <cstring>

namespace {

bool is_link_char(unsigned char c) {
  return !(c <= 34 || c == 39 || c == 42 || c == 60 || c == 62 || c == 96 || c >= 127);
}

bool starts_with(const char* text, int length, int at, const char* word) {
  int n = (int)strlen(word);
  return at >= 0 && at + n <= length && memcmp(text + at, word, n) == 0;
}

bool scheme_at(const char* text, int length, int at) {
  return starts_with(text, length, at, "http://") || starts_with(text, length, at, "https://") ||
         starts_with(text, length, at, "ftp://");
}

bool is_lower(char c) { return c >= 'a' && c <= 'z'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A '.', two to four lowercase letters, then the end, a '/', or a port and then the end or a '/'.
bool has_host_ending(const char* s, int n) {
  for (int dot = 0; dot < n; dot++) {
    if (s[dot] != '.') continue;
    int i = dot + 1;
    while (i < n && is_lower(s[i])) i++;
    int letters = i - dot - 1;
    if (letters < 2 || letters > 4) continue;
    if (i == n || s[i] == '/') return true;
    if (s[i] == ':' && i + 1 < n && s[i + 1] >= '1' && s[i + 1] <= '9') {
      int j = i + 2;
      while (j < n && is_digit(s[j])) j++;
      if (j == n || s[j] == '/') return true;
    }
  }
  return false;
}

bool looks_like_host(const char* s, int n, bool scheme) {
  if (!memchr(s, '.', n)) return false;
  if (scheme || (n >= 4 && memcmp(s, "www.", 4) == 0)) return true;
  for (int i = 0; i < n; i++) {
    if (s[i] == ':' && !(i + 1 < n && s[i + 1] >= '1' && s[i + 1] <= '9')) return false;
    if (s[i] == '.' && i + 1 < n && s[i + 1] == '.') return false;
  }
  return has_host_ending(s, n);
}

}  // namespace

bool find_link(const char* text, int length, int index, int* first_out, int* last_out) {
  if (!text || index < 0 || index >= length || !is_link_char((unsigned char)text[index])) return false;

  int p = index;
  while (p >= 0 && is_link_char((unsigned char)text[p]) && !scheme_at(text, length, p)) p--;
  int first = (p >= 0 && scheme_at(text, length, p)) ? p : p + 1;
  if (first < 0) first = 0;

  int q = index;
  while (q < length && is_link_char((unsigned char)text[q])) q++;
  int last = q - 1;

  int parens = 0, squares = 0, braces = 0;
  while (first < last && strchr("(),.?[]{}", text[first])) {
    switch (text[first]) {
      case '(': parens++; break;
      case ')': parens--; break;
      case '[': squares++; break;
      case ']': squares--; break;
      case '{': braces++; break;
      case '}': braces--; break;
    }
    first++;
  }
  if (parens < 0) parens = 0;
  if (squares < 0) squares = 0;
  if (braces < 0) braces = 0;
  while (last > first && strchr(".,?)}]", text[last])) {
    char c = text[last];
    int* count = c == ')' ? &parens : c == ']' ? &squares : c == '}' ? &braces : nullptr;
    if (count) {
      if (*count <= 0) break;
      (*count)--;
    }
    last--;
  }

  if (index < first || index > last) return false;
  bool scheme = scheme_at(text, length, first);
  if (!scheme && memchr(text + first, '@', last - first)) return false;
  if (!looks_like_host(text + first, last - first + 1, scheme)) return false;
  *first_out = first;
  *last_out = last;
  return true;
}
