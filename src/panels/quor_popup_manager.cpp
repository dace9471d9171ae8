#include "panels/quor_popup_manager.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_popup_manager::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_popup_manager::create_window(const char*) {
  not_built("create_window");
}

redirect_display* quor_popup_manager::find_display(const char*) {
  not_built("find_display");
  return nullptr;
}

void quor_popup_manager::toggle_by_position(int) {
  not_built("toggle_by_position");
}

void quor_popup_manager::start_flash() {
  not_built("start_flash");
}

void quor_popup_manager::save_and_close_all() {
  not_built("save_and_close_all");
}
