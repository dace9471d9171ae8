// The server-defined popup windows and their button bar.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

#include "net/tag_dispatcher.h"

class quor_popup_manager {
 public:
  void create_window(const char* data);
  redirect_display* find_display(const char* name);
  void toggle_by_position(int position);
  void start_flash();
  // Records every open window's geometry, closes them all and rebuilds the "&Popups" menu.
  void save_and_close_all();
};
