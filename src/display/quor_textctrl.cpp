#include "display/quor_textctrl.h"

#include <wx/rawbmp.h>

#include "config/vconfig.h"
#include "display/clipboard.h"
#include "display/quor_ansi_display.h"
#include "display/quor_bitmap.h"
#include "display/quor_font.h"
#include "display/text_painter.h"
#include "display/url_opening.h"
#include "util/debug_log.h"

wxBEGIN_EVENT_TABLE(quor_textctrl, quor_embedded_window)
  EVT_MOUSE_EVENTS(quor_textctrl::on_mouse)
  EVT_MOUSE_CAPTURE_LOST(quor_textctrl::on_capture_lost)
  EVT_SET_FOCUS(quor_textctrl::on_focus)
wxEND_EVENT_TABLE()

quor_textctrl::quor_textctrl(quor_ansi_display* owner, const quor_font* font)
    : quor_embedded_window(owner, wxID_ANY, wxDefaultPosition, wxSize(20, 20)), pointer(store, *this), owner(owner) {
  set_font(font);
}

void quor_textctrl::set_font(const quor_font* new_font) {
  font = new_font;
  if (!font) return;
  int widths[256];
  for (int i = 0; i < 256; i++) widths[i] = font->char_width((unsigned char)i);
  int height = font->line_height();
  if (VConfig::instance().get_compact_mode()) height--;
  store.set_char_widths(widths, height);
}

void quor_textctrl::max_char_width(int* width, int* height) const {
  int widest = 0;
  for (int c = 32; c <= 126; c++) widest = std::max(widest, store.char_widths()[c]);
  *width = widest;
  *height = store.line_height();
}

void quor_textctrl::resize_handler(bool) {
  wxSize size = GetClientSize();
  store.set_window_size(size.GetWidth(), size.GetHeight());
  redraw_now();
}

void quor_textctrl::repaint_internal(quor_bitmap* bitmap) {
  if (!bitmap || !font) return;
  wxAlphaPixelData data(*bitmap);
  if (!data) return;
  wxAlphaPixelData::Iterator origin(data);
  pixel_view view{(uint8_t*)origin.m_ptr, data.GetWidth(), data.GetHeight(), data.GetRowStride()};
  paint_text_view(store, pointer.selection, font->glyphs(), view);
}

void quor_textctrl::parse_colorflash(const char* payload) {
  int total = flashes.parse_colorflash(payload);
  if (total <= 0) return;
  store.background_now = flashes.tick(store.background_base);
  if (!animation_state.active()) {
    animation_state.reset(total, 15);
    start_animation(this);
  } else if (animation_state.steps_left < total) {
    animation_state.reset(total, 15);
  }
  if (animation_state.changed()) redraw_now();
}

bool quor_textctrl::animation_callback(int elapsed_ms) {
  animation_state.advance(elapsed_ms);
  bool redraw = false;
  if (!flashes.empty()) {
    store.background_now = flashes.tick(store.background_base);
    redraw = true;
  }
  if (pointer.drag_scroll != 0 && animation_state.steps_left % 4 == 1) {
    redraw = true;
    if (animation_state.steps_left <= 3) animation_state.reset(4, 15);
    if (owner) pointer.drag_scroll_step();
  }
  if (redraw && animation_state.changed()) redraw_now();
  return animation_state.active();
}

void quor_textctrl::start_drag_animation() {
  if (!animation_state.active()) {
    animation_state.reset(15, 15);
    start_animation(this);
  } else if (animation_state.steps_left <= 14) {
    animation_state.reset(15, 15);
  }
}

void quor_textctrl::on_mouse(wxMouseEvent& event) {
  text_mouse_event e;
  if (event.LeftDown()) e.kind = text_mouse_event::left_down;
  else if (event.LeftUp()) e.kind = text_mouse_event::left_up;
  else if (event.LeftDClick()) e.kind = text_mouse_event::left_double;
  else if (event.MiddleDown()) e.kind = text_mouse_event::middle_down;
  else if (event.MiddleUp()) e.kind = text_mouse_event::middle_up;
  else if (event.RightDown()) e.kind = text_mouse_event::right_down;
  else if (event.RightUp()) e.kind = text_mouse_event::right_up;
  else if (event.GetEventType() == wxEVT_MOUSEWHEEL) e.kind = text_mouse_event::wheel;
  // The toolkit may report a drag that leaves the window only by the leave event; it moves the
  // cursor and starts drag scrolling like any motion.
  else if ((event.Entering() || event.Leaving()) && event.LeftIsDown()) e.kind = text_mouse_event::motion;
  else if (event.Entering()) e.kind = text_mouse_event::enter;
  else if (event.Leaving()) e.kind = text_mouse_event::leave;
  else e.kind = text_mouse_event::motion;
  e.left_is_down = event.LeftIsDown();
  e.middle_is_down = event.MiddleIsDown();
  e.right_is_down = event.RightIsDown();
  e.x = event.GetX();
  e.y = event.GetY();
  e.wheel_rotation = event.GetWheelRotation();
  e.wheel_delta = event.GetWheelDelta();
  pointer.mouse_event(e);
}

void quor_textctrl::on_capture_lost(wxMouseCaptureLostEvent&) { pointer.capture_lost(); }

void quor_textctrl::on_focus(wxFocusEvent& event) { event.Skip(); }

void quor_textctrl::hold_view() {
  if (owner) owner->hold_view();
}
void quor_textctrl::follow_end() {
  if (owner) owner->follow_end();
}
void quor_textctrl::scroll_up(int lines) {
  if (owner) owner->scroll.scroll_up(lines);
}
void quor_textctrl::scroll_down(int lines) {
  if (owner) owner->scroll.scroll_down(lines);
}
void quor_textctrl::capture_mouse() {
  if (!HasCapture()) CaptureMouse();
}
void quor_textctrl::release_mouse() {
  if (HasCapture()) ReleaseMouse();
}
bool quor_textctrl::url_hotlinking() const { return VConfig::instance().get_url_hotlinking() != 0; }
void quor_textctrl::open_url(const char* url) { open_clicked_url(url); }
void quor_textctrl::set_clipboard_data(const std::string& text) { ::set_clipboard_data(text); }
