#include "display/color_flash.h"

#include <cstdint>
#include <string>

#include "util/debug_log.h"
#include "util/words.h"

namespace {

// The next blank-separated word, or false at the end.
bool next_word(const char** at, std::string* word) {
  const char* p = *at;
  while (*p && is_word_separator(*p)) p++;
  if (!*p) return false;
  const char* start = p;
  while (*p && !is_word_separator(*p)) p++;
  word->assign(start, p - start);
  *at = p;
  return true;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int clamp_ticks(int64_t ticks) { return ticks > 0x3fffffff ? 0x3fffffff : ticks < 0 ? 0 : (int)ticks; }

}  // namespace

quor_rgb GetColorFromHexString(const char* text) {
  int length = 0;
  while (text && text[length] && length < 6) length++;
  if (length < 6) {
    if (debug_level > 1) debug_log("quor_textctrl::GetColorFromHexString() - string too short.\n");
    return color_black;
  }
  uint32_t value = 0;
  uint32_t scale = 1;
  for (int i = 5; i >= 0; i--) {
    int digit = hex_value(text[i]);
    if (digit < 0) {
      if (debug_level > 1) debug_log("quor_textctrl::GetColorFromHexString() - string doesn't appear to be hex.\n");
      return color_black;
    }
    value += (uint32_t)digit * scale;
    scale *= 16;
  }
  return quor_rgb::from_value(value);
}

int color_flash_list::parse_colorflash(const char* payload) {
  if (!payload) payload = "";
  std::string word;
  const char* at = payload;
  quor_rgb start = next_word(&at, &word) ? GetColorFromHexString(word.c_str()) : GetColorFromHexString("");
  quor_rgb first = next_word(&at, &word) ? GetColorFromHexString(word.c_str()) : GetColorFromHexString("");
  int duration = 0;
  if (!next_word(&at, &word) || !parse_int(word.c_str(), &duration)) {
    if (debug_level > 1) debug_log("quor_textctrl::parse_colorflash() - bad duration.\n");
    return 0;
  }
  int64_t total = (int64_t)duration + 1;
  flash added;
  added.start = start;
  added.steps.push_back(step{first, duration, 0});
  while (next_word(&at, &word)) {
    quor_rgb color = GetColorFromHexString(word.c_str());
    if (!next_word(&at, &word) || !parse_int(word.c_str(), &duration)) {
      if (debug_level > 1) debug_log("quor_textctrl::parse_colorflash() - bad subsequent duration.\n");
      break;
    }
    added.steps.push_back(step{color, duration, 0});
    total += (int64_t)duration + 1;
  }
  flashes.push_front(std::move(added));
  return clamp_ticks(total) < 1 ? 1 : clamp_ticks(total);
}

quor_rgb color_flash_list::tick(quor_rgb base) {
  int red = 0, green = 0, blue = 0;
  bool any = false;
  for (auto f = flashes.begin(); f != flashes.end();) {
    if (f->steps.empty()) {
      f = flashes.erase(f);
      continue;
    }
    step& s = f->steps.front();
    int64_t d = s.duration;
    int64_t e = s.elapsed;
    quor_rgb now = s.color;
    // A step without length shows its colour at once and ends.
    if (d > 0) {
      now.red = (int)(((d - e) * f->start.red + e * s.color.red) / d);
      now.green = (int)(((d - e) * f->start.green + e * s.color.green) / d);
      now.blue = (int)(((d - e) * f->start.blue + e * s.color.blue) / d);
    }
    if (now.red > red) red = now.red;
    if (now.green > green) green = now.green;
    if (now.blue > blue) blue = now.blue;
    any = true;
    if (d - e > 0) {
      s.elapsed++;
    } else {
      f->start = s.color;
      f->steps.pop_front();
    }
    ++f;
  }
  return any ? quor_rgb(red, green, blue) : base;
}
