#include "panels/quor_hint_buttons.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_hint_buttons::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_hint_buttons::setup_button(const char*, const char*) {
  not_built("setup_button");
}

void quor_hint_buttons::blank_all() {
  not_built("blank_all");
}

void quor_hint_buttons::start_flash() {
  not_built("start_flash");
}

void quor_hint_buttons::set_disconnected_defaults() {
  not_built("set_disconnected_defaults");
}
