#include "app/command_line_editor.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// The control and the frame as plain values, with every action recorded.
class fake_editor_view : public command_editor_view {
 public:
  std::wstring get_text() override { return text; }
  long get_cursor() override { return cursor; }
  void set_cursor(long position) override {
    cursor = position;
    from = to = position;
  }
  void set_text(const std::wstring& value) override {
    text = value;
    set_cursor((long)text.size());
  }
  void get_selection(long& f, long& t) override {
    f = from;
    t = to;
  }
  void select_all() override {
    from = 0;
    to = (long)text.size();
  }
  void clear_input() override { set_text(L""); }
  void insert_line_break() override {
    text.insert((size_t)cursor, L"\n");
    set_cursor(cursor + 1);
  }
  void copy_selection() override { calls.push_back("copy"); }
  void manual_clipboard_paste() override { calls.push_back("paste"); }
  void apply_normal_style() override {}
  bool is_connected() override { return connected; }
  void send_command(const char* t, bool echo) override {
    calls.push_back(std::string(echo ? "command:" : "quiet:") + t);
  }
  void send_line(const char* t) override { calls.push_back(std::string("line:") + t); }
  bool main_view_held() override { return main_held; }
  void main_follow_end() override {
    main_held = false;
    calls.push_back("follow");
  }
  void main_hold_view() override { main_held = true; }
  void main_page_up() override { calls.push_back("page_up"); }
  void main_page_down() override { calls.push_back("page_down"); }
  void main_scroll_up(int lines) override { calls.push_back("scroll_up " + std::to_string(lines)); }
  void main_scroll_down(int lines) override { calls.push_back("scroll_down " + std::to_string(lines)); }
  bool main_has_selection() override { return main_selection; }
  void main_reset_selection() override {
    main_selection = false;
    calls.push_back("main_reset_selection");
  }
  bool channel_following() override { return channel_follows; }
  void channel_follow_end() override {
    channel_follows = true;
    calls.push_back("channel_follow");
  }
  void channel_reset_selection() override { calls.push_back("channel_reset_selection"); }
  void toggle_popup(int number) override { calls.push_back("popup " + std::to_string(number)); }
  void automap_cell_step(int delta) override { calls.push_back("automap_cell " + std::to_string(delta)); }
  int get_setting(editor_setting which) override { return settings[which]; }
  void set_setting(editor_setting which, int value) override { settings[which] = value; }

  void type(const std::wstring& t) {
    text.insert((size_t)cursor, t);
    set_cursor(cursor + (long)t.size());
  }

  std::wstring text;
  long cursor = 0, from = 0, to = 0;
  bool connected = true;
  bool main_held = false;
  bool main_selection = false;
  bool channel_follows = true;
  std::vector<std::string> calls;
  std::map<editor_setting, int> settings = {
      {editor_setting::keypad_walking, 1}, {editor_setting::cmd_pushthrough, 0},
      {editor_setting::locking_scrollback_enable, 0}, {editor_setting::font_size, 8},
      {editor_setting::channel_window_height, 25}, {editor_setting::input_height, 48},
  };
};

input_key key(int code, bool ctrl = false, bool shift = false, bool alt = false) {
  input_key k;
  k.code = code;
  k.ctrl = ctrl;
  k.shift = shift;
  k.alt = alt;
  return k;
}

class line_editor_test : public ::testing::Test {
 protected:
  // One press and release.
  bool press(const input_key& k) {
    bool used = editor.key_pressed(k);
    editor.key_released(k.code);
    return used;
  }
  void enter_line(const std::wstring& t) {
    view.type(t);
    press(key(key_enter));
  }
  fake_editor_view view;
  command_line_editor editor{view};
};

TEST_F(line_editor_test, KeypadWalkingOneStepPerPress) {
  const std::pair<int, const char*> walks[] = {
      {key_kp_home, "northwest"}, {key_kp_up, "north"},  {key_kp_page_up, "northeast"},
      {key_kp_left, "west"},      {key_kp_begin, "scan -vc"}, {key_clear, "scan -vc"},
      {key_kp_right, "east"},     {key_kp_end, "southwest"},  {key_kp_down, "south"},
      {key_kp_page_down, "southeast"}, {key_kp_add, "up"}, {key_kp_subtract, "down"},
  };
  for (const auto& w : walks) {
    view.calls.clear();
    EXPECT_TRUE(press(key(w.first)));
    EXPECT_EQ(view.calls, std::vector<std::string>{std::string("command:") + w.second});
  }
  // Held down: the repeats are swallowed.
  view.calls.clear();
  for (int i = 0; i < 5; i++) EXPECT_TRUE(editor.key_pressed(key(key_kp_up)));
  // Letting go of another key does not end the hold.
  editor.key_released(key_other);
  EXPECT_TRUE(editor.key_pressed(key(key_kp_up)));
  editor.key_released(key_kp_up);
  EXPECT_TRUE(editor.key_pressed(key(key_kp_up)));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"command:north", "command:north"}));
  // A key still held from before (Num Lock) does not swallow the first press of a walk.
  view.calls.clear();
  editor.key_released(key_kp_up);
  editor.key_pressed(key(key_other));
  EXPECT_TRUE(editor.key_pressed(key(key_kp_down)));
  EXPECT_EQ(view.calls, std::vector<std::string>{"command:south"});
}

TEST_F(line_editor_test, KeypadKeysAreOrdinaryWithModifiersOrWalkingOff) {
  EXPECT_FALSE(press(key(key_kp_up, false, true)));
  view.settings[editor_setting::keypad_walking] = 0;
  EXPECT_FALSE(press(key(key_kp_up)));
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(line_editor_test, WalkingEndsAHeldView) {
  view.main_held = true;
  press(key(key_kp_down));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"follow", "command:south"}));
}

TEST_F(line_editor_test, EnterSendsAndStoresAndControlEnterBreaksTheLine) {
  view.type(L"look");
  view.calls.clear();
  EXPECT_TRUE(press(key(key_enter)));
  EXPECT_EQ(view.calls, std::vector<std::string>{"command:look"});
  EXPECT_EQ(view.text, L"");
  EXPECT_EQ(*editor.history().entry(2), L"look");

  view.type(L"say a");
  EXPECT_TRUE(press(key(key_enter, true)));
  view.type(L"b");
  EXPECT_EQ(view.text, L"say a\nb");
  press(key(key_kp_enter));
  EXPECT_EQ(view.calls.back(), "command:say a\nb");
}

TEST_F(line_editor_test, EmptyLineIsSentButNotStored) {
  press(key(key_enter));
  EXPECT_EQ(view.calls, std::vector<std::string>{"command:"});
  EXPECT_EQ(*editor.history().entry(2), L"connect");
}

TEST_F(line_editor_test, TypedTextIsConvertedAndCut) {
  view.type(L"caf\u00e9\tok\x01");
  press(key(key_enter));
  EXPECT_EQ(view.calls.back(), "command:caf.\tok.");
  std::wstring huge(7000, L'a');
  view.type(huge);
  press(key(key_enter));
  EXPECT_EQ(view.calls.back().size(), std::string("command:").size() + 4999);
  EXPECT_EQ(editor.history().entry(2)->size(), 5999u);
}

TEST_F(line_editor_test, PushThroughLeavesTheCommandSelected) {
  view.settings[editor_setting::cmd_pushthrough] = 1;
  editor.history().select_history(2);
  enter_line(L"kill rat");
  EXPECT_EQ(view.text, L"kill rat");
  EXPECT_EQ(view.from, 0);
  EXPECT_EQ(view.to, 8);
  // Enter alone sends it again, stored once.
  press(key(key_enter));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"command:kill rat", "command:kill rat"}));
  EXPECT_EQ(editor.history().entry(3), nullptr);
  // Typing replaces it (the control drops a selection it types over).
  view.set_text(L"");
  enter_line(L"flee");
  EXPECT_EQ(view.calls.back(), "command:flee");
  EXPECT_EQ(view.to, 4);
  // Up shows the command before the selected one.
  press(key(key_up));
  EXPECT_EQ(view.text, L"kill rat");
  // Home deselects to the start.
  view.select_all();
  EXPECT_TRUE(press(key(key_home)));
  EXPECT_EQ(view.cursor, 0);
  EXPECT_EQ(view.to, 0);
}

TEST_F(line_editor_test, WithoutConnectionEnterClearsEvenWithPushThrough) {
  view.settings[editor_setting::cmd_pushthrough] = 1;
  view.connected = false;
  enter_line(L"connect");
  EXPECT_EQ(view.text, L"");
}

TEST_F(line_editor_test, HiddenInputIsSentButNotStored) {
  editor.history().select_history(1);
  editor.history().set_hidden_input(true);
  enter_line(L"secret");
  EXPECT_EQ(view.calls, std::vector<std::string>{"command:secret"});
  EXPECT_EQ(editor.history().entry(2), nullptr);
}

TEST_F(line_editor_test, ControlCInThreeSituations) {
  // Nothing selected anywhere: clear and break.
  view.type(L"abc");
  press(key('C', true));
  EXPECT_EQ(view.text, L"");
  EXPECT_EQ(view.calls, (std::vector<std::string>{"line:\x03", "follow"}));
  // A selection in the main window: clear it only.
  view.calls.clear();
  view.type(L"abc");
  view.main_selection = true;
  press(key('C', true));
  EXPECT_EQ(view.text, L"");
  EXPECT_EQ(view.calls, std::vector<std::string>{"main_reset_selection"});
  // Text selected in the input: copy, nothing else.
  view.calls.clear();
  view.type(L"abc");
  view.from = 1;
  view.to = 2;
  press(key('C', true));
  EXPECT_EQ(view.text, L"abc");
  EXPECT_EQ(view.calls, std::vector<std::string>{"copy"});
}

TEST_F(line_editor_test, ControlShortcutsDoNotRepeat) {
  editor.key_pressed(key('D', true));
  editor.key_pressed(key('D', true));
  editor.key_pressed(key('D', true));
  editor.key_released('D');
  EXPECT_EQ(view.calls, (std::vector<std::string>{"line:\x03", "follow"}));
  // Backspace repeats even with Ctrl held.
  view.type(L"abc");
  EXPECT_FALSE(editor.key_pressed(key(key_backspace, true)));
  EXPECT_FALSE(editor.key_pressed(key(key_backspace, true)));
}

TEST_F(line_editor_test, ControlSettingSteps) {
  struct step_case {
    input_key k;
    editor_setting setting;
    int before;
    int after;
  } cases[] = {
      {key('=', true), editor_setting::font_size, 8, 9},
      {key('+', true), editor_setting::font_size, 8, 9},
      {key(key_kp_add, true), editor_setting::font_size, 8, 9},
      {key('-', true), editor_setting::font_size, 8, 7},
      {key('-', true), editor_setting::font_size, 3, 3},
      {key('=', true, true), editor_setting::channel_window_height, 25, 30},
      {key('+', true, true), editor_setting::channel_window_height, 78, 80},
      {key('+', true, true), editor_setting::channel_window_height, 80, 80},
      {key('_', true, true), editor_setting::channel_window_height, 25, 20},
      {key('-', true, true), editor_setting::channel_window_height, 12, 10},
      {key('{', true, true), editor_setting::input_height, 48, 36},
      {key('[', true, true), editor_setting::input_height, 30, 24},
      {key('}', true, true), editor_setting::input_height, 48, 60},
      {key('M', true), editor_setting::automap_display, 1, 0},
      {key('P', true), editor_setting::hpbar_enable, 0, 1},
      {key('!', true, true), editor_setting::automap_display, 0, 1},
      {key('2', true, true), editor_setting::group_status_display, 2, 0},
      {key('3', true, true), editor_setting::hpbar_enable, 1, 0},
      {key('4', true, true), editor_setting::enemy_hpbar_enable, 1, 0},
      {key('5', true, true), editor_setting::exp_display, 0, 1},
      {key('7', true, true), editor_setting::fkey_button_display, 0, 1},
      {key('8', true, true), editor_setting::popup_display, 1, 0},
      {key('(', true, true), editor_setting::mw_scrollbar_enable, 1, 0},
  };
  for (const step_case& c : cases) {
    view.settings[c.setting] = c.before;
    EXPECT_TRUE(press(c.k));
    EXPECT_EQ(view.settings[c.setting], c.after) << "key " << c.k.code << " shift " << c.k.shift;
  }
}

TEST_F(line_editor_test, ControlKeysActOnTheFrame) {
  press(key('1', true));
  press(key('0', true));
  press(key('[', true));
  press(key(']', true));
  press(key('V', true));
  press(key('\\', true));
  press(key('6', true, true));
  view.connected = false;
  EXPECT_TRUE(press(key('2', true)));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"popup 1", "popup 10", "automap_cell -2", "automap_cell 2", "paste",
                                                  "line:\x1a", "follow"}));
  press(key('S', true));
  EXPECT_TRUE(view.main_held);
  press(key('Q', true));
  EXPECT_FALSE(view.main_held);
  view.channel_follows = false;
  press(key('Q', true));
  EXPECT_TRUE(view.channel_follows);
  view.type(L"text");
  press(key('K', true));
  EXPECT_EQ(view.text, L"");
}

TEST_F(line_editor_test, ScrollingKeysAndEscape) {
  press(key(key_page_up));
  EXPECT_TRUE(view.main_held);
  press(key(key_page_down));
  press(key(key_up, true));
  press(key(key_down, true));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"page_up", "page_down", "page_up", "page_down"}));
  view.calls.clear();
  press(key(key_escape));
  EXPECT_EQ(view.calls, std::vector<std::string>{"follow"});
  view.calls.clear();
  view.type(L"abc");
  press(key(key_escape));
  EXPECT_EQ(view.text, L"");
  EXPECT_EQ(view.calls, (std::vector<std::string>{"main_reset_selection", "channel_reset_selection"}));
  view.calls.clear();
  view.channel_follows = false;
  press(key(key_escape));
  EXPECT_EQ(view.calls, std::vector<std::string>{"channel_follow"});
}

TEST_F(line_editor_test, TypingEndsAHeldViewUnlessLocked) {
  view.main_held = true;
  EXPECT_FALSE(press(key('A')));
  EXPECT_FALSE(view.main_held);
  view.main_held = true;
  view.settings[editor_setting::locking_scrollback_enable] = 1;
  EXPECT_FALSE(press(key('A')));
  EXPECT_TRUE(view.main_held);
}

TEST_F(line_editor_test, FunctionKeyAliases) {
  struct alias_case {
    input_key k;
    bool connected;
    const char* sent;  // null: passed to the control
  } cases[] = {
      {key(key_f1 + 4), true, "quiet:f05"},
      {key(key_f1, false, true), true, "quiet:sf01"},
      {key(key_f1 + 11, true), true, "quiet:cf12"},
      {key(key_f1, false, false, true), true, nullptr},
      {key(key_f1), false, nullptr},
  };
  for (const alias_case& c : cases) {
    view.calls.clear();
    view.connected = c.connected;
    bool used = press(c.k);
    if (c.sent) {
      EXPECT_TRUE(used);
      EXPECT_EQ(view.calls, (std::vector<std::string>{c.sent, "follow"}));
    } else {
      EXPECT_FALSE(used);
      EXPECT_TRUE(view.calls.empty());
    }
  }
  input_key meta = key(key_f1 + 1);
  meta.meta = true;
  EXPECT_EQ(function_key_alias(meta), "cf02");
  EXPECT_EQ(function_key_alias(key('A')), "");
}

TEST_F(line_editor_test, WheelScrollsPerWholeNotch) {
  editor.mouse_wheel(0, 120);
  editor.mouse_wheel(120, 120);
  editor.mouse_wheel(-120, 120);
  editor.mouse_wheel(60, 120);
  editor.mouse_wheel(-30, 120);
  editor.mouse_wheel(90, 120);
  editor.mouse_wheel(-5, 0);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"scroll_up 3", "scroll_down 3", "scroll_up 3", "scroll_down 3"}));
  EXPECT_TRUE(view.main_held);
}

TEST(command_keys, ConvertTypedText) {
  EXPECT_EQ(convert_typed_text(L"a\tb\r\nc~\x7f\x1b"), "a\tb\r\nc~..");
  EXPECT_EQ(convert_typed_text(std::wstring(9000, L'x')).size(), 5999u);
  EXPECT_EQ(unshifted_key('@'), '2');
  EXPECT_EQ(unshifted_key('A'), 'A');
  EXPECT_EQ(keypad_command('8'), nullptr);
}

}  // namespace
