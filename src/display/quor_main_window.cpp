#include "display/quor_main_window.h"

#include "config/vconfig.h"
#include "display/glob_match.h"
#include "util/debug_log.h"

quor_main_window::quor_main_window(wxWindow* parent, const quor_font* font) : quor_ansi_display(parent, font, "") {}

void quor_main_window::line_received(const char* line) {
  // What the player read, line by line, for tracing a session from the log alone.
  if (debug_level > 2) debug_log("main text: %s\n", line);
  if (!is_map_rebuild_request(line) || !send_command) return;
  send_command("aset remap");
  send_command("imm in progress, please wait approximately two minutes for maps to be built and transfer");
}

void quor_main_window::resize_handler(bool changed) {
  bool wanted = VConfig::instance().get_mw_scrollbar_enable() != 0;
  if (changed || wanted != scrollbar_shown) {
    scrollbar_shown = wanted;
    quor_ansi_display::resize_handler(true);
  }
  // The automap and group display dock here once they exist.
  if (group_display && group_display->GetParent() == textctrl) group_display->Hide();
}
