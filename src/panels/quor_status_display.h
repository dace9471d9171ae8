// The status display: hit-point, mana, movement, experience and enemy bars.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_status_display {
 public:
  void parse_hp(const char* data);
  void parse_enemyhp(const char* data);
  void parse_xpp(const char* data);
  void set_show_flags(bool enemy, bool exp, bool hp);
  void show(bool on);
  void start_flash();
  void reset();
};
