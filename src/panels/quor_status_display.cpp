#include "panels/quor_status_display.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_status_display::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_status_display::parse_hp(const char*) {
  not_built("parse_hp");
}

void quor_status_display::parse_enemyhp(const char*) {
  not_built("parse_enemyhp");
}

void quor_status_display::parse_xpp(const char*) {
  not_built("parse_xpp");
}

void quor_status_display::set_show_flags(bool, bool, bool) {
  not_built("set_show_flags");
}

void quor_status_display::show(bool) {
  not_built("show");
}

void quor_status_display::start_flash() {
  not_built("start_flash");
}

void quor_status_display::reset() {
  not_built("reset");
}
