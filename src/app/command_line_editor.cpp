#include "app/command_line_editor.h"

#include "util/debug_log.h"

namespace {

int digit_of(int code) { return code >= '0' && code <= '9' ? code - '0' : -1; }

}  // namespace

bool command_line_editor::whole_text_selected() {
  long from = 0, to = 0;
  view.get_selection(from, to);
  long length = (long)view.get_text().size();
  return length > 0 && from == 0 && to >= length;
}

void command_line_editor::history_up() {
  edit_line line{view.get_text(), (size_t)view.get_cursor()};
  edit_line before = line;
  commands.history_up(line);
  if (line.text != before.text)
    view.set_text(line.text);
  else if (line.cursor != before.cursor)
    view.set_cursor((long)line.cursor);
}

void command_line_editor::history_down() {
  edit_line line{view.get_text(), (size_t)view.get_cursor()};
  edit_line before = line;
  commands.history_down(line);
  if (line.text != before.text)
    view.set_text(line.text);
  else if (line.cursor != before.cursor)
    view.set_cursor((long)line.cursor);
}

void command_line_editor::submit_line() {
  if (view.main_view_held()) view.main_follow_end();
  std::string converted = convert_typed_text(view.get_text());
  std::string command = converted.substr(0, command_limit);
  if (view.is_connected() && view.get_setting(editor_setting::cmd_pushthrough))
    view.select_all();
  else
    view.clear_input();
  if (!command.empty()) commands.history_store(converted);
  view.send_command(command.c_str(), true);
  view.apply_normal_style();
}

bool command_line_editor::key_pressed(const input_key& key) {
  bool repeated = key_held;
  int previous_key = last_key;
  bool previous_ctrl = last_ctrl;
  key_held = true;
  last_key = key.code;
  last_ctrl = key.ctrl;

  // Keypad walking: one step per press, however long the key is held. Only the same key
  // coming again while down is its auto-repeat; another key held (Num Lock, say) is not.
  const char* walk = keypad_command(key.code);
  if (walk && !key.ctrl && !key.shift && view.get_setting(editor_setting::keypad_walking)) {
    if (repeated && key.code == previous_key) return true;
    if (view.main_view_held()) view.main_follow_end();
    view.send_command(walk, true);
    return true;
  }

  // Push-through leaves the whole command selected.
  if (whole_text_selected()) {
    if (key.code == key_left || key.code == key_home || key.code == key_kp_home) {
      if (view.get_setting(editor_setting::cmd_pushthrough)) {
        view.set_cursor(0);
        return true;
      }
    } else if (key.code == key_up && !key.ctrl && !key.shift) {
      view.set_cursor((long)view.get_text().size());
      // The first step reaches the entry already shown.
      history_up();
      history_up();
      return true;
    }
  }

  if (key.ctrl) {
    // Shortcuts do not auto-repeat; Backspace does.
    if (repeated && key.code == previous_key && previous_ctrl && key.code != key_backspace) return true;
    if (ctrl_key(key)) return true;
  }
  return plain_key(key);
}

bool command_line_editor::ctrl_key(const input_key& key) {
  int code = key.shift ? unshifted_key(key.code) : key.code;
  int digit = digit_of(code);
  if (digit >= 0) {
    if (key.shift)
      ctrl_shift_digit(digit);
    else
      ctrl_digit(digit);
    return true;
  }
  switch (code) {
    case '+':
    case '=':
    case key_kp_add:
      if (key.shift)
        step_setting(editor_setting::channel_window_height, channel_height_step, lowest_channel_height,
                     highest_channel_height);
      else
        step_setting(editor_setting::font_size, 1, 0, 0);
      return true;
    case '-':
    case '_':
    case key_kp_subtract:
      if (key.shift)
        step_setting(editor_setting::channel_window_height, -channel_height_step, lowest_channel_height,
                     highest_channel_height);
      else
        step_setting(editor_setting::font_size, -1, smallest_font, 0);
      return true;
    case 'C':
      ctrl_c();
      return true;
    case 'D':
      view.clear_input();
      send_break_byte("\x03");
      return true;
    case 'K':
      view.clear_input();
      return true;
    case 'M':
      toggle(editor_setting::automap_display);
      return true;
    case 'P':
      toggle(editor_setting::hpbar_enable);
      return true;
    case 'Q':
      if (view.main_view_held())
        view.main_follow_end();
      else if (!view.channel_following())
        view.channel_follow_end();
      return true;
    case 'S':
    case 'Z':
      view.main_hold_view();
      return true;
    case 'V':
      view.manual_clipboard_paste();
      return true;
    case '[':
      if (key.shift)
        step_setting(editor_setting::input_height, -input_height_step, lowest_input_height, 0);
      else
        view.automap_cell_step(-2);
      return true;
    case ']':
      if (key.shift)
        step_setting(editor_setting::input_height, input_height_step, 0, 0);
      else
        view.automap_cell_step(2);
      return true;
    case '\\':
      view.clear_input();
      send_break_byte("\x1a");
      return true;
    default:
      return false;
  }
}

void command_line_editor::ctrl_digit(int digit) {
  if (view.is_connected()) view.toggle_popup(digit == 0 ? 10 : digit);
}

void command_line_editor::ctrl_shift_digit(int digit) {
  switch (digit) {
    case 1: toggle(editor_setting::automap_display); break;
    case 2: toggle(editor_setting::group_status_display); break;
    case 3: toggle(editor_setting::hpbar_enable); break;
    case 4: toggle(editor_setting::enemy_hpbar_enable); break;
    case 5: toggle(editor_setting::exp_display); break;
    case 7: toggle(editor_setting::fkey_button_display); break;
    case 8: toggle(editor_setting::popup_display); break;
    case 9: toggle(editor_setting::mw_scrollbar_enable); break;
    default: break;
  }
}

void command_line_editor::ctrl_c() {
  long from = 0, to = 0;
  view.get_selection(from, to);
  if (from != to) {
    view.copy_selection();
    return;
  }
  view.clear_input();
  if (view.main_has_selection()) {
    view.main_reset_selection();
    return;
  }
  send_break_byte("\x03");
}

void command_line_editor::send_break_byte(const char* line) {
  view.send_line(line);
  view.main_follow_end();
}

void command_line_editor::toggle(editor_setting which) { view.set_setting(which, view.get_setting(which) ? 0 : 1); }

// low or high 0: no bound on that side.
void command_line_editor::step_setting(editor_setting which, int delta, int low, int high) {
  int old_value = view.get_setting(which);
  int value = old_value + delta;
  if (low && value < low) value = old_value < low ? old_value : low;
  if (high && value > high) value = old_value > high ? old_value : high;
  if (value != old_value) view.set_setting(which, value);
}

bool command_line_editor::plain_key(const input_key& key) {
  switch (key.code) {
    case key_enter:
    case key_kp_enter:
      if (key.ctrl)
        view.insert_line_break();
      else
        submit_line();
      return true;
    case key_escape:
      escape_key();
      return true;
    case key_up:
      if (key.ctrl) {
        view.main_hold_view();
        view.main_page_up();
      } else {
        history_up();
      }
      return true;
    case key_page_up:
      view.main_hold_view();
      view.main_page_up();
      return true;
    case key_down:
      if (key.ctrl) {
        view.main_hold_view();
        view.main_page_down();
      } else {
        history_down();
      }
      return true;
    case key_page_down:
      view.main_hold_view();
      view.main_page_down();
      return true;
    default:
      break;
  }
  if (key.code >= key_f1 && key.code <= key_f12 && view.is_connected()) {
    std::string alias = function_key_alias(key);
    if (!alias.empty()) {
      view.send_command(alias.c_str(), false);
      view.main_follow_end();
      return true;
    }
  }
  if (view.main_view_held() && !view.get_setting(editor_setting::locking_scrollback_enable)) view.main_follow_end();
  return false;
}

void command_line_editor::escape_key() {
  if (view.main_view_held()) {
    view.main_follow_end();
  } else if (view.channel_following()) {
    view.clear_input();
    view.main_reset_selection();
    view.channel_reset_selection();
  } else {
    view.channel_follow_end();
  }
}

void command_line_editor::mouse_wheel(int rotation, int delta) {
  if (rotation == 0) return;
  if (delta <= 0) delta = 1;
  // Fine-grained wheels report fractions of a notch: scroll once a whole notch has gathered,
  // keeping only the part of a notch that is left over.
  wheel_rest += rotation;
  long notches = wheel_rest / delta;
  wheel_rest -= notches * delta;
  if (notches > 0) {
    view.main_hold_view();
    view.main_scroll_up(wheel_lines);
  } else if (notches < 0) {
    view.main_hold_view();
    view.main_scroll_down(wheel_lines);
  }
}
