// The input line's keys as the client sees them, independent of the toolkit: the shell
// translates its key events into these codes. Printable keys use their ASCII code, letters
// in upper case.
#pragma once

#include <string>

enum input_key_code : int {
  key_backspace = 8,
  key_enter = 13,
  key_escape = 27,
  key_left = 0x1000,
  key_up,
  key_right,
  key_down,
  key_home,
  key_end,
  key_page_up,
  key_page_down,
  key_kp_enter,
  key_kp_home,
  key_kp_up,
  key_kp_page_up,
  key_kp_left,
  key_kp_begin,
  key_kp_right,
  key_kp_end,
  key_kp_down,
  key_kp_page_down,
  key_kp_add,
  key_kp_subtract,
  key_clear,
  key_f1,
  key_f12 = key_f1 + 11,
  // Any key the table does not name (modifiers, Insert, Delete...).
  key_other,
};

struct input_key {
  int code = key_other;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool meta = false;
};

// The walking command of a keypad key, or null for any other key.
const char* keypad_command(int code);

// The alias a function key sends ("f05", "sf05", "cf12"), or "" when the key has none
// (not a function key, or Alt held).
std::string function_key_alias(const input_key& key);

// Shifted symbols of the number row and brackets back to their keys, so Ctrl+Shift shortcuts
// match whatever the keyboard reports.
int unshifted_key(int code);

// The typed text as the command processing takes it: one byte per character, anything outside
// printable ASCII other than tab, line feed and carriage return becomes '.'; at most 5999.
std::string convert_typed_text(const std::wstring& text);
