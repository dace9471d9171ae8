// The main text window as the command line, its keys and the tags see it.
#pragma once

#include "app/command_frame_host.h"

class quor_ansi_display;

class command_main_view : public main_text_view {
 public:
  explicit command_main_view(quor_ansi_display& display) : display(display) {}

  bool is_held() override;
  void hold_view() override;
  void page_up() override;
  void page_down() override;
  void scroll_up(int lines) override;
  void scroll_down(int lines) override;
  bool has_selection() override;
  void reset_selection() override;
  void clear_display() override;
  void debug_fill() override;
  void suspend_updates() override;
  void resume_updates() override;
  int get_scroll_position() override;
  void set_scroll_position(int position) override;
  void start_color_flash(const char* arguments) override;
  void start_border_flash() override;

 private:
  quor_ansi_display& display;
};
