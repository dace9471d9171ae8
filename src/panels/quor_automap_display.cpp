#include "panels/quor_automap_display.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_automap_display::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_automap_display::parse_map(const char*, int) {
  not_built("parse_map");
}

void quor_automap_display::walkfail(const char*) {
  not_built("walkfail");
}

void quor_automap_display::set_area_name(const char*) {
  not_built("set_area_name");
}

void quor_automap_display::set_combat(bool) {
  not_built("set_combat");
}

void quor_automap_display::set_exits(int) {
  not_built("set_exits");
}

void quor_automap_display::step_cell_size(int) {
  not_built("step_cell_size");
}

void quor_automap_display::apply_visibility() {
  not_built("apply_visibility");
}

void quor_automap_display::start_flash() {
  not_built("start_flash");
}

void quor_automap_display::reset() {
  not_built("reset");
}
