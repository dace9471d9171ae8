// The automap panel: terrain grid, marker, exits, combat flag and area name.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_automap_display {
 public:
  void parse_map(const char* data, int length);
  void walkfail(const char* data);
  void set_area_name(const char* data);
  void set_combat(bool on);
  void set_exits(int mask);
  void step_cell_size(int delta);
  void apply_visibility();
  void start_flash();
  void reset();
};
