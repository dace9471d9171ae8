#include "app/command_keys.h"

#include <cstdio>

#include "util/text_buffer.h"

const char* keypad_command(int code) {
  switch (code) {
    case key_kp_home: return "northwest";
    case key_kp_up: return "north";
    case key_kp_page_up: return "northeast";
    case key_kp_left: return "west";
    case key_kp_begin:
    case key_clear: return "scan -vc";
    case key_kp_right: return "east";
    case key_kp_end: return "southwest";
    case key_kp_down: return "south";
    case key_kp_page_down: return "southeast";
    case key_kp_add: return "up";
    case key_kp_subtract: return "down";
    default: return nullptr;
  }
}

std::string function_key_alias(const input_key& key) {
  if (key.code < key_f1 || key.code > key_f12) return "";
  const char* prefix = "";
  if (key.ctrl || key.meta)
    prefix = "c";
  else if (key.alt)
    return "";
  else if (key.shift)
    prefix = "s";
  char name[16];
  snprintf(name, sizeof name, "%sf%02d", prefix, key.code - key_f1 + 1);
  return name;
}

int unshifted_key(int code) {
  static const char shifted[] = "!@#$%^&*(){}|_";
  static const char plain[] = "1234567890[]\\-";
  for (int i = 0; shifted[i]; i++)
    if (code == shifted[i]) return plain[i];
  return code;
}

std::string convert_typed_text(const std::wstring& text) {
  text_buffer buffer;
  for (wchar_t c : text) {
    if (buffer.is_full()) break;
    bool kept = (c >= 32 && c <= 126) || c == L'\t' || c == L'\n' || c == L'\r';
    buffer.append_char(kept ? (char)c : '.');
  }
  return std::string(buffer.contents(), buffer.length());
}
