#include "util/pointer_list.h"

#include <cstdlib>
#include <cstring>

#include "util/debug_log.h"

pointer_list::~pointer_list() {
  if (storage != inline_slots) free(storage);
}

bool pointer_list::append(void* item) {
  if (used == capacity) {
    void** grown = (void**)malloc(sizeof(void*) * (size_t)capacity * 2);
    if (!grown) {
      debug_log_message("Error in pointer_list::append(), out of memory.", LOG_RESOURCE);
      return false;
    }
    memcpy(grown, storage, sizeof(void*) * (size_t)used);
    if (storage != inline_slots) free(storage);
    storage = grown;
    capacity *= 2;
  }
  storage[used++] = item;
  return true;
}
