// The status bar: state icons, ping time, in-game clock and the sky bar's state.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_status_bar {
 public:
  void update_sky_display(const char* data);
  void set_icon_flags(const char* data);
  void add_ping_sample(int milliseconds);
  void show(bool on);
  void show_sky_bar(bool on);
  void reset();
};
