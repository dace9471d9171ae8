#include "panels/quor_line_edit.h"

#include "app/app_globals.h"
#include "display/clipboard.h"
#include "display/quor_font.h"
#include "util/debug_log.h"

wxBEGIN_EVENT_TABLE(quor_line_edit, wxTextCtrl)
  EVT_KEY_DOWN(quor_line_edit::key_down_handler)
  EVT_KEY_UP(quor_line_edit::key_up_handler)
  EVT_TEXT_PASTE(wxID_ANY, quor_line_edit::pasteEvent)
  EVT_MOUSEWHEEL(quor_line_edit::wheel_handler)
wxEND_EVENT_TABLE()

int line_edit_key_code(int code) {
  if (code >= WXK_F1 && code <= WXK_F12) return key_f1 + (code - WXK_F1);
  switch (code) {
    case WXK_BACK: return key_backspace;
    case WXK_RETURN: return key_enter;
    case WXK_ESCAPE: return key_escape;
    case WXK_LEFT: return key_left;
    case WXK_UP: return key_up;
    case WXK_RIGHT: return key_right;
    case WXK_DOWN: return key_down;
    case WXK_HOME: return key_home;
    case WXK_END: return key_end;
    case WXK_PAGEUP: return key_page_up;
    case WXK_PAGEDOWN: return key_page_down;
    case WXK_NUMPAD_ENTER: return key_kp_enter;
    // The keypad reports its digits with Num Lock on and its cursor keys with it off.
    case WXK_NUMPAD7:
    case WXK_NUMPAD_HOME: return key_kp_home;
    case WXK_NUMPAD8:
    case WXK_NUMPAD_UP: return key_kp_up;
    case WXK_NUMPAD9:
    case WXK_NUMPAD_PAGEUP: return key_kp_page_up;
    case WXK_NUMPAD4:
    case WXK_NUMPAD_LEFT: return key_kp_left;
    case WXK_NUMPAD5:
    case WXK_NUMPAD_BEGIN: return key_kp_begin;
    case WXK_CLEAR: return key_clear;
    case WXK_NUMPAD6:
    case WXK_NUMPAD_RIGHT: return key_kp_right;
    case WXK_NUMPAD1:
    case WXK_NUMPAD_END: return key_kp_end;
    case WXK_NUMPAD2:
    case WXK_NUMPAD_DOWN: return key_kp_down;
    case WXK_NUMPAD3:
    case WXK_NUMPAD_PAGEDOWN: return key_kp_page_down;
    case WXK_NUMPAD_ADD:
    case WXK_ADD: return key_kp_add;
    case WXK_NUMPAD_SUBTRACT:
    case WXK_SUBTRACT: return key_kp_subtract;
    default: break;
  }
  if (code >= 32 && code <= 126) return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
  return key_other;
}

quor_line_edit::quor_line_edit(wxWindow* parent, const wxString& name, command_editor_frame& frame)
    : wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxTE_RICH2 | wxTE_PROCESS_ENTER | wxTE_NOHIDESEL | wxBORDER_NONE,
                 wxDefaultValidator, name + " input window"),
      frame(frame),
      editor(*this) {
  set_font();
}

void quor_line_edit::apply_style(bool hidden) {
  wxColour text_colour = hidden ? *wxBLACK : *wxWHITE;
  SetBackgroundColour(*wxBLACK);
  SetForegroundColour(text_colour);
  wxTextAttr style(text_colour, *wxBLACK);
  if (text_font) style.SetFont(*text_font);
  SetDefaultStyle(style);
  if (GetLastPosition() > 0) SetStyle(0, GetLastPosition(), style);
}

void quor_line_edit::set_hidden_input(bool on) {
  editor.history().set_hidden_input(on);
  apply_style(on);
}

void quor_line_edit::set_font() {
  apply_style(false);
  if (text_font) SetFont(*text_font);
  apply_style(false);
}

void quor_line_edit::clear_input() { ChangeValue(wxEmptyString); }

std::wstring quor_line_edit::get_text() { return GetValue().ToStdWstring(); }

void quor_line_edit::set_text(const std::wstring& text) {
  ChangeValue(wxString(text));
  SetInsertionPointEnd();
}

void quor_line_edit::copy_selection() {
  // One byte per character: a character beyond Latin-1 must not lose the rest of the text.
  std::string bytes;
  for (wxUniChar c : GetStringSelection()) bytes.push_back(c.GetValue() <= 0xff ? (char)c.GetValue() : '.');
  set_clipboard_data(bytes);
}

void quor_line_edit::manual_clipboard_paste() {
  if (debug_level > 1) debug_log("quor_line_edit::manual_clipboard_paste()\n");
  std::string text;
  if (!get_clipboard_data(&text)) return;
  wxString pasted = wxString::From8BitData(text.data(), text.size());
  long from = 0, to = 0;
  GetSelection(&from, &to);
  if (from == to)
    WriteText(pasted);
  else
    Replace(from, to, pasted);
}

void quor_line_edit::pasteEvent(wxClipboardTextEvent&) {
  if (debug_level > 1) debug_log("quor_line_edit::pasteEvent()\n");
  manual_clipboard_paste();
}

void quor_line_edit::key_down_handler(wxKeyEvent& event) {
  input_key key;
  key.code = line_edit_key_code(event.GetKeyCode());
  key.ctrl = event.ControlDown();
  key.shift = event.ShiftDown();
  key.alt = event.AltDown();
  key.meta = event.MetaDown();
  if (!editor.key_pressed(key)) event.Skip();
}

void quor_line_edit::key_up_handler(wxKeyEvent& event) {
  editor.key_released(line_edit_key_code(event.GetKeyCode()));
  event.Skip();
}

void quor_line_edit::wheel_handler(wxMouseEvent& event) {
  editor.mouse_wheel(event.GetWheelRotation(), event.GetWheelDelta());
}
