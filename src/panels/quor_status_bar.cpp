#include "panels/quor_status_bar.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_status_bar::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_status_bar::update_sky_display(const char*) {
  not_built("update_sky_display");
}

void quor_status_bar::set_icon_flags(const char*) {
  not_built("set_icon_flags");
}

void quor_status_bar::add_ping_sample(int) {
  not_built("add_ping_sample");
}

void quor_status_bar::show(bool) {
  not_built("show");
}

void quor_status_bar::show_sky_bar(bool) {
  not_built("show_sky_bar");
}

void quor_status_bar::reset() {
  not_built("reset");
}
