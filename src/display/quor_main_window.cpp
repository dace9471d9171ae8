#include "display/quor_main_window.h"

#include <cstdlib>

#include "config/vconfig.h"
#include "display/glob_match.h"
#include "util/debug_log.h"

quor_main_window::quor_main_window(wxWindow* parent, const quor_font* font) : quor_ansi_display(parent, font, "") {}

namespace {

// The player's game text stays out of the debug log (a file in /tmp) unless a test or a
// maintainer tracing a session asks for it.
bool trace_main_text() {
  static const bool wanted = getenv("VANDREL_TRACE_MAIN_TEXT") != nullptr;
  return wanted;
}

}  // namespace

void quor_main_window::line_received(const char* line) {
  if (debug_level > 2 && trace_main_text()) debug_log("main text: %s\n", line);
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
