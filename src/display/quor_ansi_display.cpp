#include "display/quor_ansi_display.h"

#include <algorithm>
#include <cstdio>

#include "display/quor_bitmap.h"
#include "util/debug_log.h"
#include "util/random.h"

quor_ansi_scrollbar::quor_ansi_scrollbar(wxWindow* parent)
    : wxScrollBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL, wxDefaultValidator,
                  "scrollBar") {}

wxBEGIN_EVENT_TABLE(quor_ansi_display, quor_embedded_window)
  EVT_SCROLL(quor_ansi_display::on_scroll)
  EVT_MOUSEWHEEL(quor_ansi_display::on_wheel)
wxEND_EVENT_TABLE()

quor_ansi_display::quor_ansi_display(wxWindow* parent, const quor_font* font, const wxString& name)
    : quor_embedded_window(parent, wxID_ANY, wxDefaultPosition, wxSize(20, 20), wxBORDER_NONE, name),
      textctrl(new quor_textctrl(this, font)),
      scroll(textctrl->store, *this),
      scrollbar(new quor_ansi_scrollbar(this)),
      model(*this) {
  model.reset_colors();
}

quor_ansi_display::~quor_ansi_display() { stop_animation(this); }

void quor_ansi_display::refresh() {
  textctrl->redraw_now();
  update_scrollbar();
}

void quor_ansi_display::resume_updates() {
  if (model.resume_updates()) Refresh(true);
}

void quor_ansi_display::clear_display() {
  model.clear_display();
  scroll.position_at_end();
  refresh();
}

void quor_ansi_display::set_font(const quor_font* font) {
  textctrl->set_font(font);
  model.reapply_color();
  update_scrollbar();
  Refresh(false);
  textctrl->Refresh(false);
}

void quor_ansi_display::set_scrollbar_shown(bool shown) {
  if (shown == scrollbar_shown) return;
  scrollbar_shown = shown;
  resize_handler(true);
}

void quor_ansi_display::resize_handler(bool) {
  wxSize client = GetClientSize();
  int w = client.GetWidth(), h = client.GetHeight();
  int s = scrollbar->GetSize().GetWidth();
  scrollbar->SetSize(std::max(w - s, 0), 0, std::max(s, 1), std::max(h, 1));
  int shown = scrollbar_shown ? s : 0;
  int b = border_shown ? 2 : 0;
  scroll.follow_end();
  scrollbar->Show(scrollbar_shown);
  textctrl->set_geometry(b, b, std::max(w - 2 * b - shown, 1), std::max(h - 2 * b, 1));
  update_scrollbar();
}

void quor_ansi_display::update_scrollbar() {
  int position, range, thumb;
  scroll_info(textctrl->store, &position, &range, &thumb);
  // Set twice so the toolkit redraws even when the position did not change.
  scrollbar->SetScrollbar(position - 1, thumb, range, thumb, true);
  scrollbar->SetScrollbar(position, thumb, range, thumb, true);
}

void quor_ansi_display::repaint_internal(quor_bitmap* bitmap) {
  int W = GetClientSize().GetWidth() - (scrollbar_shown ? scrollbar->GetSize().GetWidth() : 0);
  int H = GetClientSize().GetHeight();
  quor_rgb inner = color_grey128, outer = color_white;
  bool flash_changed = animation_state.steps_left != drawn_flash_steps;
  drawn_flash_steps = animation_state.steps_left;
  if (border_shown || flash_changed) {
    if (animation_state.active()) {
      inner = outer = animation_state.phase() ? color_white : color_black;
    } else if (!scroll.following) {
      inner = quor_rgb(192, 0, 0);
      outer = color_red;
    }
  }
  bitmap->DrawLine(0, 0, W, 0, outer);
  bitmap->DrawLine(0, 0, 0, H, outer);
  bitmap->DrawLine(0, H - 1, W, H - 1, outer);
  bitmap->DrawLine(W - 1, 0, W - 1, H, outer);
  bitmap->DrawLine(1, 1, W - 1, 1, inner);
  bitmap->DrawLine(1, 1, 1, H - 1, inner);
  bitmap->DrawLine(1, H - 2, W - 1, H - 2, inner);
  bitmap->DrawLine(W - 2, 1, W - 2, H - 1, inner);
}

void quor_ansi_display::start_border_flash() {
  animation_state.reset(16, 200);
  start_animation(this);
  if (animation_state.changed()) redraw_now();
}

bool quor_ansi_display::animation_callback(int elapsed_ms) {
  animation_state.advance(elapsed_ms);
  if (animation_state.changed()) {
    redraw_now();
    update_scrollbar();
  }
  return animation_state.active();
}

void quor_ansi_display::on_scroll(wxScrollEvent& event) {
  scroll.scrollbar_moved(event.GetPosition());
  textctrl->SetFocus();
}

void quor_ansi_display::on_wheel(wxMouseEvent& event) {
  int rotation = event.GetWheelRotation();
  if (rotation == 0) return;
  int delta = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 1;
  int before = wheel_rotation / delta;
  wheel_rotation += rotation;
  scroll.hold_view();
  if (wheel_rotation / delta > before)
    scroll.scroll_up(3);
  else
    scroll.scroll_down(3);
}

void quor_ansi_display::debug_fill() {
  model.debug_fill(general_random);
  printf("size of quor_textctrl_chunk %5d\n", text_store::color_run_record_size());
  printf("size of quor_textctrl_line  %5d\n", text_store::line_record_size());
  printf("size of wxString            %5d\n", (int)sizeof(wxString));
  printf("size of quor_render_list    %5d\n", ansi_text_model::render_record_size());
  printf("entries in render list   %8d\n", (int)model.render_record_count());
  scroll.position_at_end();
  refresh();
}
