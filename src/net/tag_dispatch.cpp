#include "net/tag_dispatch.h"

#include "net/tag_dispatcher.h"
#include "util/debug_log.h"

// Every tag is recorded at detail level, so the stream's framing can be followed in the log,
// then handed to the main frame's dispatcher (none while the frame is not up).
void process_tagged_data(const char* name, const char* data, int length) {
  if (debug_level > 2)
    debug_log("process_tagged_data() - tag '%s', %d bytes: '%.200s'.\n", name ? name : "", length, data ? data : "");
  if (tag_dispatcher* dispatcher = active_tag_dispatcher()) dispatcher->process_tagged_data(name, data, length);
}
