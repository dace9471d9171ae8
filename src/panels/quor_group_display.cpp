#include "panels/quor_group_display.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_group_display::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_group_display::parse_update_line(const char*) {
  not_built("parse_update_line");
}

void quor_group_display::reset() {
  not_built("reset");
}
