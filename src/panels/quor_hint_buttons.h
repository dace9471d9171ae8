// The twelve hint buttons.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_hint_buttons {
 public:
  void setup_button(const char* name, const char* data);
  void blank_all();
  void start_flash();
};
