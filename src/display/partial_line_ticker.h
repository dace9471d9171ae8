// Delivers a prompt that never gets its newline: when a display has held an unfinished line
// for three consecutive ticks, the line goes to the display's line hook as if complete.
#pragma once

#include "display/text_output.h"

class partial_line_ticker {
 public:
  static const int ticks_before_flush = 3;

  // One main-frame tick.
  void tick(text_output& display) {
    if (!display.has_partial_line()) {
      count = 0;
      return;
    }
    if (++count < ticks_before_flush) return;
    display.flush_partial_line();
    count = 0;
  }
  int ticks() const { return count; }

 private:
  int count = 0;
};
