// The twelve hint buttons.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_hint_buttons {
 public:
  void setup_button(const char* name, const char* data);
  void blank_all();
  void start_flash();
  // After a disconnect: "Connect" on button 1 and "Quit" on button 12, the rest blank.
  void set_disconnected_defaults();
};
