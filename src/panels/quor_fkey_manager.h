// The function-key buttons.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_fkey_manager {
 public:
  void setup_button(const char* name, const char* data);
  void set_label_shown(bool on);
};
