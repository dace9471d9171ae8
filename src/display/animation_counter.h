// Step clock of a panel's animation (flashes, blinking): whole steps of a fixed length in ms.
#pragma once

struct animation_counter {
  int seen = 0;        // steps left when last acknowledged by changed()
  int steps_left = 0;
  int elapsed_ms = 0;  // time gathered within the current step
  int step_ms = 200;

  void reset(int steps, int step_length_ms) {
    seen = 0;
    steps_left = steps;
    elapsed_ms = 0;
    step_ms = step_length_ms;
  }
  // At most one step per call. A finished animation stays at 0 steps so its phase stays off.
  void advance(int elapsed) {
    elapsed_ms += elapsed;
    if (elapsed_ms < step_ms) return;
    if (elapsed >= step_ms)
      elapsed_ms = 0;
    else
      elapsed_ms -= step_ms;
    if (steps_left > 0) steps_left--;
  }
  bool changed() {
    if (seen == steps_left) return false;
    seen = steps_left;
    return true;
  }
  bool active() const { return steps_left > 0; }
  // Blinking panels are lit while the remaining step count is odd.
  bool phase() const { return (steps_left & 1) != 0; }
};
