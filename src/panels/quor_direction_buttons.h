// The eleven direction buttons.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_direction_buttons {
 public:
  void enable_all(bool on);
  void set_exits(int mask);
};
