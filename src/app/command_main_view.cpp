#include "app/command_main_view.h"

#include "display/quor_ansi_display.h"

bool command_main_view::is_held() { return !display.scroll.following; }
void command_main_view::hold_view() { display.hold_view(); }
void command_main_view::page_up() { display.scroll.page_up(); }
void command_main_view::page_down() { display.scroll.page_down(); }
void command_main_view::scroll_up(int lines) { display.scroll.scroll_up(lines); }
void command_main_view::scroll_down(int lines) { display.scroll.scroll_down(lines); }
bool command_main_view::has_selection() { return display.textctrl->pointer.selection.active; }
void command_main_view::reset_selection() { display.textctrl->reset_selection(); }
void command_main_view::clear_display() { display.clear_display(); }
void command_main_view::debug_fill() { display.debug_fill(); }
void command_main_view::suspend_updates() { display.suspend_updates(); }
void command_main_view::resume_updates() { display.resume_updates(); }
int command_main_view::get_scroll_position() { return display.get_scroll_position(); }
void command_main_view::set_scroll_position(int position) { display.set_scroll_position(position); }
void command_main_view::start_color_flash(const char* arguments) { display.textctrl->parse_colorflash(arguments); }
void command_main_view::start_border_flash() { display.start_border_flash(); }
