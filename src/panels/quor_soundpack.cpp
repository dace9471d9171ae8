#include "panels/quor_soundpack.h"

#include "util/debug_log.h"

namespace {

void not_built(const char* operation) {
  if (debug_level > 1) debug_log("quor_soundpack::%s() - not built yet.\n", operation);
}

}  // namespace

void quor_soundpack::parse_audio_tag(const char*) {
  not_built("parse_audio_tag");
}
