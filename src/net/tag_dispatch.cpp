#include "net/tag_dispatch.h"

#include "net/tag_dispatcher.h"
#include "util/debug_log.h"

// No tag has an owner yet: each one is only recorded, so the stream's framing can be followed
// in the log.
void process_tagged_data(const char* name, const char* data, int length) {
  if (debug_level > 2)
    debug_log("process_tagged_data() - tag '%s', %d bytes: '%.200s'.\n", name ? name : "", length, data ? data : "");
  if (tag_dispatcher* dispatcher = active_tag_dispatcher()) dispatcher->process_tagged_data(name, data, length);
}
