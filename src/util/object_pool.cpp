#include "util/object_pool.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "util/debug_log.h"

namespace {
std::atomic<long> total_bytes{0};
std::atomic<long> total_blocks{0};
}  // namespace

long quor_bulk_allocated_bytes() { return total_bytes; }
long quor_bulk_allocated_blocks() { return total_blocks; }

void* quor_bulk_allocate(int object_size, const char* type_name, int block_bytes) {
  // Sizes round up to the pointer size: every object holds the free-list link and
  // must stay aligned for the records built in it (4 on 32-bit x86, 8 on 64-bit).
  const int unit = (int)sizeof(void*);
  int n = object_size < unit ? unit : (object_size + unit - 1) / unit * unit;
  int k = block_bytes / n;
  if (k < 1) k = 1;
  char line[256];
  snprintf(line, sizeof line, "Allocating %6d objects of size %6d (%9d bytes), type '%s'", k, n, k * n,
           type_name ? type_name : "");
  debug_log_message(line, LOG_TRACE);
  char* block = (char*)malloc((size_t)k * (size_t)n);
  if (!block) {
    snprintf(line, sizeof line,
             "Error in quor_bulk_allocate(), malloc failed for %6d objects of size %6d (%9d bytes), type '%s'.  Trying "
             "single object.",
             k, n, k * n, type_name ? type_name : "");
    debug_log_message(line, LOG_RESOURCE);
    k = 1;
    block = (char*)malloc((size_t)n);
    if (!block) {
      snprintf(line, sizeof line,
               "Error in quor_bulk_allocate(), malloc failed for %6d objects of size %6d (%9d bytes), type '%s'.  "
               "Failing and exiting.",
               k, n, k * n, type_name ? type_name : "");
      debug_log_message(line, LOG_RESOURCE);
      exit(1);
    }
  }
  total_bytes += (long)k * n;
  total_blocks++;
  for (int i = 0; i < k; i++) {
    void* next = (i + 1 < k) ? block + (size_t)(i + 1) * n : nullptr;
    *(void**)(block + (size_t)i * n) = next;
  }
  return block;
}

void* quor_object_pool::allocate() {
  if (!free_head) free_head = quor_bulk_allocate(object_size, type_name, block_bytes);
  void* object = free_head;
  free_head = *(void**)object;
  return object;
}

void quor_object_pool::release(void* object) {
  if (!object) return;
  *(void**)object = free_head;
  free_head = object;
}
