// The server-driven colour flash of a text window's background: fades from a start colour
// through timed steps; overlapping flashes combine by the brighter channel.
#pragma once

#include <list>

#include "display/quor_rgb.h"

quor_rgb GetColorFromHexString(const char* text);

class color_flash_list {
 public:
  // Reads "start colour-1 duration-1 [colour-k duration-k]..." and starts a flash.
  // Returns the flash's length in ticks, or 0 when the first duration is malformed.
  int parse_colorflash(const char* payload);
  // The colour of this tick (advancing every flash by one tick), or base when none runs.
  quor_rgb tick(quor_rgb base);
  bool empty() const { return flashes.empty(); }

 private:
  struct step {
    quor_rgb color;
    int duration;
    int elapsed;
  };
  struct flash {
    quor_rgb start;
    std::list<step> steps;  // the current step first
  };
  std::list<flash> flashes;  // newest first
};
