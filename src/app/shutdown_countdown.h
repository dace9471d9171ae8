// The orderly-exit countdown stepped by the main frame's 20 ms tick.
#pragma once

class shutdown_countdown {
 public:
  enum class step_result { nothing, close_now, force_exit };

  // Any quit request (re)starts the countdown at 10.
  void request() { remaining = 10; }
  bool pending() const { return remaining > 0; }
  int value() const { return remaining; }

  // Tick 9 after a request closes the frame; tick 10 forces the exit.
  step_result step() {
    if (remaining <= 0) return step_result::nothing;
    remaining--;
    if (remaining == 0) return step_result::force_exit;
    if (remaining == 1) return step_result::close_now;
    return step_result::nothing;
  }

 private:
  int remaining = 0;
};
