#include <gtest/gtest.h>
#include <wx/defs.h>

#include "app/command_keys.h"
#include "panels/quor_line_edit.h"

namespace {

struct key_case {
  int toolkit;
  int client;
};

// The keypad reports digits with Num Lock on and cursor keys with it off: both walk.
TEST(LineEditKeys, ToolkitCodesBecomeClientCodes) {
  const key_case cases[] = {
      {WXK_RETURN, key_enter},         {WXK_NUMPAD_ENTER, key_kp_enter},     {WXK_ESCAPE, key_escape},
      {WXK_BACK, key_backspace},       {WXK_UP, key_up},                     {WXK_DOWN, key_down},
      {WXK_LEFT, key_left},            {WXK_RIGHT, key_right},               {WXK_HOME, key_home},
      {WXK_END, key_end},              {WXK_PAGEUP, key_page_up},            {WXK_PAGEDOWN, key_page_down},
      {WXK_F1, key_f1},                {WXK_F5, key_f1 + 4},                 {WXK_F12, key_f12},
      {WXK_NUMPAD7, key_kp_home},      {WXK_NUMPAD_HOME, key_kp_home},       {WXK_NUMPAD8, key_kp_up},
      {WXK_NUMPAD_UP, key_kp_up},      {WXK_NUMPAD9, key_kp_page_up},        {WXK_NUMPAD_PAGEUP, key_kp_page_up},
      {WXK_NUMPAD4, key_kp_left},      {WXK_NUMPAD_LEFT, key_kp_left},       {WXK_NUMPAD5, key_kp_begin},
      {WXK_NUMPAD_BEGIN, key_kp_begin}, {WXK_CLEAR, key_clear},              {WXK_NUMPAD6, key_kp_right},
      {WXK_NUMPAD_RIGHT, key_kp_right}, {WXK_NUMPAD1, key_kp_end},           {WXK_NUMPAD_END, key_kp_end},
      {WXK_NUMPAD2, key_kp_down},      {WXK_NUMPAD_DOWN, key_kp_down},       {WXK_NUMPAD3, key_kp_page_down},
      {WXK_NUMPAD_PAGEDOWN, key_kp_page_down}, {WXK_NUMPAD_ADD, key_kp_add}, {WXK_NUMPAD_SUBTRACT, key_kp_subtract},
      {'D', 'D'},                      {'d', 'D'},                           {'=', '='},
      {'[', '['},                      {'\\', '\\'},                         {'0', '0'},
      {' ', ' '},                      {'~', '~'},                           {WXK_F13, key_other},
      {WXK_DELETE, key_other},         {WXK_TAB, key_other},                 {WXK_CONTROL, key_other},
      {WXK_SHIFT, key_other},          {WXK_NUMPAD_DECIMAL, key_other},      {WXK_INSERT, key_other},
  };
  for (const key_case& c : cases) EXPECT_EQ(line_edit_key_code(c.toolkit), c.client) << "toolkit code " << c.toolkit;
}

}  // namespace
