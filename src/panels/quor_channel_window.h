// The tabbed channel window that diverted channel text goes to.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_channel_window {
 public:
  void set_divert_channel(const char* name);
  void clear_divert_channel();
  void clear_all_channels();
  bool current_is_following();
  void current_follow_end();
  void current_reset_selection();
};
