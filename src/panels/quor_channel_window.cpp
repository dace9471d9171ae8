#include "panels/quor_channel_window.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_channel_window::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_channel_window::set_divert_channel(const char*) {
  not_built("set_divert_channel");
}

void quor_channel_window::clear_divert_channel() {
  not_built("clear_divert_channel");
}

void quor_channel_window::clear_all_channels() {
  not_built("clear_all_channels");
}

bool quor_channel_window::current_is_following() {
  not_built("current_is_following");
  return true;
}

void quor_channel_window::current_follow_end() {
  not_built("current_follow_end");
}

void quor_channel_window::current_reset_selection() {
  not_built("current_reset_selection");
}
