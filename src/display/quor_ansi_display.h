// The window that shows game text: ANSI parsing and run record (ansi_text_model), the text
// control with its store, the scrollbar, the border with its flash and the scroll lock.
#pragma once

#include <wx/scrolbar.h>

#include "display/ansi_text_model.h"
#include "display/quor_embedded_window.h"
#include "display/quor_textctrl.h"
#include "display/text_output.h"
#include "display/text_scroll.h"

class quor_ansi_scrollbar : public wxScrollBar {
 public:
  explicit quor_ansi_scrollbar(wxWindow* parent);
};

class quor_ansi_display : public quor_embedded_window, public text_output, private text_scroll_hooks {
 public:
  quor_ansi_display(wxWindow* parent, const quor_font* font, const wxString& name = wxPanelNameStr);
  ~quor_ansi_display() override;

  // text_output
  void display_socket_data(const char* data, int length) override { model.display_socket_data(data, length); }
  void output_text(const char* text) override { model.output_text(text); }
  void set_colors(int a, int b) override { model.set_colors(a, b); }
  void reset_colors() override { model.reset_colors(); }
  void follow_end() override { scroll.follow_end(); }
  void refresh() override;
  bool has_partial_line() const override { return model.has_partial_line(); }
  void flush_partial_line() override { model.flush_partial_line(); }

  virtual void line_received(const char* line) { (void)line; }
  void hold_view() { scroll.hold_view(); }
  bool take_new_text() { return model.take_new_text(); }
  void suspend_updates() { model.suspend_updates(); }
  void resume_updates();
  void clear_display();
  void set_wrapping(bool on) { model.set_wrapping(on); }
  void set_font(const quor_font* font);
  void start_border_flash();
  void set_scrollbar_shown(bool shown);
  void debug_fill();
  int get_scroll_position() const { return scrollbar->GetThumbPosition(); }
  void set_scroll_position(int p) { scroll.set_scroll_position(p); }

  void resize_handler(bool changed) override;
  void repaint_internal(quor_bitmap* bitmap) override;
  bool animation_callback(int elapsed_ms) override;

  quor_textctrl* textctrl;
  text_scroll scroll;

 protected:
  bool scrollbar_shown = true;

 private:
  // Hands received lines to the display's hook.
  class model_with_hook : public ansi_text_model {
   public:
    model_with_hook(quor_ansi_display& display)
        : ansi_text_model(display.textctrl->store, display.scroll), display(display) {}
    void line_received(const char* line) override { display.line_received(line); }

   private:
    quor_ansi_display& display;
  };

  // text_scroll_hooks
  void repaint_text() override { textctrl->Refresh(false); }
  void repaint_display() override { Refresh(false); }
  void update_scrollbar() override;

  void on_scroll(wxScrollEvent& event);
  void on_wheel(wxMouseEvent& event);

  quor_ansi_scrollbar* scrollbar;
  model_with_hook model;
  bool border_shown = true;
  int wheel_rotation = 0;
  int drawn_flash_steps = -1;

  wxDECLARE_EVENT_TABLE();
};
