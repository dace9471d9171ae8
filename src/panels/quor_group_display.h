// The group members' bars.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_group_display {
 public:
  void parse_update_line(const char* data);
  void reset();
};
