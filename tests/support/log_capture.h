// Collects what the debug log writes while a test runs.
#pragma once

#include <string>

#include "util/debug_log.h"

class log_capture {
 public:
  log_capture() { debug_log_set_observer(&log_capture::collect, this); }
  ~log_capture() { debug_log_set_observer(nullptr, nullptr); }
  const std::string& text() const { return collected; }
  bool contains(const std::string& part) const { return collected.find(part) != std::string::npos; }
  int count(const std::string& part) const {
    int n = 0;
    for (size_t at = collected.find(part); at != std::string::npos; at = collected.find(part, at + 1)) n++;
    return n;
  }
  void clear() { collected.clear(); }

 private:
  static void collect(const char* text, void* self) { static_cast<log_capture*>(self)->collected += text; }
  std::string collected;
};
