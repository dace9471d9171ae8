#include "panels/quor_direction_buttons.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_direction_buttons::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_direction_buttons::enable_all(bool) {
  not_built("enable_all");
}

void quor_direction_buttons::set_exits(int) {
  not_built("set_exits");
}
