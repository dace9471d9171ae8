#include "display/text_arena.h"

#include <cstdlib>
#include <cstring>

byte_arena::~byte_arena() { free(bytes); }

bool byte_arena::reserve_more(size_t extra) {
  size_t needed = (size_t)used + extra;
  if (needed > max_bytes) return false;
  if (needed <= capacity) return true;
  size_t grown = capacity < 65536 ? 65536 : capacity + capacity / 2;
  if (grown < needed) grown = needed;
  if (grown > max_bytes) grown = max_bytes;
  char* moved = static_cast<char*>(realloc(bytes, grown));
  if (!moved) return false;
  bytes = moved;
  capacity = grown;
  return true;
}

bool byte_arena::append(const char* data, uint32_t count) {
  if (!reserve_more(count)) return false;
  if (count) memcpy(bytes + used, data, count);
  used += count;
  return true;
}

void byte_arena::release() {
  free(bytes);
  bytes = nullptr;
  used = 0;
  capacity = 0;
}
