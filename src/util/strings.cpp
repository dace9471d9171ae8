#include "util/strings.h"

#include <cmath>
#include <cstring>

#include "util/debug_log.h"
#include "util/text_buffer.h"

bool safe_strcpy(char* dest, const char* src, int size) {
  if (!dest) {
    debug_log_message("Error in safe_strcpy(), NULL dest.", LOG_ERROR);
    return false;
  }
  if (size <= 0) {
    debug_log_message("Error in safe_strcpy(), dest too short.", LOG_ERROR);
    return false;
  }
  if (!src) {
    dest[0] = 0;
    debug_log_message("Error in safe_strcpy(), NULL src.", LOG_ERROR);
    return false;
  }
  size_t length = strlen(src);
  if (length > (size_t)size - 1) {
    memcpy(dest, src, (size_t)size - 1);
    dest[size - 1] = 0;
    text_buffer line;
    line.append("Error in safe_strcpy(), src overflow. String was: ->");
    line.append(src);
    line.append("<-");
    debug_log_message(line.contents(), LOG_ERROR);
    return false;
  }
  memcpy(dest, src, length + 1);
  return true;
}

uint32_t string_hash(const char* s) {
  uint32_t h = 1564184925u;
  uint32_t n = 0;
  if (s) {
    for (const unsigned char* p = (const unsigned char*)s; *p; p++, n++) {
      h += *p;
      h *= 1025u;
      h ^= h >> 6;
    }
  }
  for (int i = 0; i < 4; i++) {
    h = (h + ((n >> (8 * i)) & 0xff)) * 1025u;
    h ^= h >> 6;
  }
  h *= 9u;
  h ^= h >> 11;
  h *= 32769u;
  return h;
}

int vector_angle(double dx, double dy) {
  if (dx == 0 && dy == 0) return 90;
  int a = (int)floor(atan(fabs(dy / (dx + 0.001))) * 360.0 / 6.2832 + 0.5);
  int result;
  if (dx >= 0 && dy >= 0)
    result = a;
  else if (dx < 0 && dy >= 0)
    result = 180 - a;
  else if (dx < 0)
    result = a - 180;
  else
    result = -a;
  while (result < 0) result += 360;
  while (result > 360) result -= 360;
  return result;
}
