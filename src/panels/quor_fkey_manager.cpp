#include "panels/quor_fkey_manager.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_fkey_manager::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_fkey_manager::setup_button(const char*, const char*) {
  not_built("setup_button");
}

void quor_fkey_manager::set_label_shown(bool) {
  not_built("set_label_shown");
}
