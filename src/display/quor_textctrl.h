// The custom-drawn text area of an ANSI display: its backscroll store, drawing, mouse
// selection, links and the background colour flash.
#pragma once

#include "display/color_flash.h"
#include "display/quor_embedded_window.h"
#include "display/text_pointer.h"
#include "display/text_store.h"

class quor_ansi_display;
class quor_font;

class quor_textctrl : public quor_embedded_window, private text_pointer_hooks {
 public:
  quor_textctrl(quor_ansi_display* owner, const quor_font* font);

  void resize_handler(bool changed) override;
  void repaint_internal(quor_bitmap* bitmap) override;
  bool animation_callback(int elapsed_ms) override;

  void set_font(const quor_font* font);
  void parse_colorflash(const char* payload);
  void reset_selection() { pointer.reset_selection(); }
  void max_char_width(int* width, int* height) const;

  text_store store;
  text_pointer pointer;

 private:
  void on_mouse(wxMouseEvent& event);
  void on_capture_lost(wxMouseCaptureLostEvent& event);
  void on_focus(wxFocusEvent& event);

  // text_pointer_hooks
  void hold_view() override;
  void follow_end() override;
  void scroll_up(int lines) override;
  void scroll_down(int lines) override;
  void repaint() override { Refresh(false); }
  void capture_mouse() override;
  void release_mouse() override;
  void start_drag_animation() override;
  bool url_hotlinking() const override;
  void open_url(const char* url) override;
  void set_clipboard_data(const std::string& text) override;

  quor_ansi_display* owner;
  const quor_font* font = nullptr;
  color_flash_list flashes;
  int drawn_steps = -1;

  wxDECLARE_EVENT_TABLE();
};
