// The horizontal extent of the frame's main column (main text, input, status panels): the
// right column of direction and hint buttons and, in the left layouts, the column of the
// docked automap or the group display stay outside it.
#pragma once

struct main_column {
  int left;
  int right;
};

struct main_column_settings {
  bool direction_buttons = false;
  bool hint_buttons = false;
  int layout = 0;  // 0 embedded, 1 left top, 2 left bottom
  bool automap_docked_and_shown = false;
  int automap_width = 0;
  bool group_display = false;
};

inline main_column main_column_edges(int width, const main_column_settings& s) {
  const int right_column = 101;  // 97 wide plus its margins
  const int left_column = 164;   // the group display's 160 plus its margins
  main_column c{0, width};
  if (s.direction_buttons || s.hint_buttons) c.right = width - right_column;
  if (s.layout == 1 || s.layout == 2) {
    if (s.automap_docked_and_shown)
      c.left = s.automap_width + 4;
    else if (s.group_display)
      c.left = left_column;
  }
  // A frame narrower than its side columns still gets a main column one pixel wide.
  if (c.left >= c.right) c.right = c.left + 1;
  return c;
}
