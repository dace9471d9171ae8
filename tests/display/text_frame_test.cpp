// The main frame's parts of the text display that need no window: the partial-line tick and
// the main column's extent.
#include <gtest/gtest.h>

#include "app/main_column.h"
#include "display/partial_line_ticker.h"

namespace {

class recording_output : public text_output {
 public:
  void display_socket_data(const char*, int) override {}
  void output_text(const char*) override {}
  void set_colors(int, int) override {}
  void reset_colors() override {}
  void follow_end() override {}
  void refresh() override {}
  bool has_partial_line() const override { return partial; }
  void flush_partial_line() override {
    flushes++;
    partial = false;
  }
  bool partial = false;
  int flushes = 0;
};

TEST(PartialLineTicker, FlushesOnTheThirdConsecutiveTickOnly) {
  recording_output out;
  partial_line_ticker ticker;
  out.partial = true;
  ticker.tick(out);
  ticker.tick(out);
  EXPECT_EQ(out.flushes, 0);
  ticker.tick(out);
  EXPECT_EQ(out.flushes, 1);
  EXPECT_EQ(ticker.ticks(), 0);

  // A newline arriving between ticks starts the count again.
  out.partial = true;
  ticker.tick(out);
  ticker.tick(out);
  out.partial = false;
  ticker.tick(out);
  out.partial = true;
  ticker.tick(out);
  ticker.tick(out);
  EXPECT_EQ(out.flushes, 1);
  ticker.tick(out);
  EXPECT_EQ(out.flushes, 2);
}

TEST(MainColumn, SideColumnsFromTheSettings) {
  struct row {
    main_column_settings settings;
    int width;
    main_column expected;
  };
  main_column_settings none;
  main_column_settings hints;
  hints.hint_buttons = true;
  main_column_settings directions;
  directions.direction_buttons = true;
  main_column_settings group_left;
  group_left.layout = 2;
  group_left.group_display = true;
  main_column_settings group_embedded = group_left;
  group_embedded.layout = 0;
  main_column_settings map_left = group_left;
  map_left.layout = 1;
  map_left.automap_docked_and_shown = true;
  map_left.automap_width = 200;
  main_column_settings everything = map_left;
  everything.hint_buttons = true;
  const row rows[] = {
      {none, 984, {0, 984}},
      {hints, 984, {0, 883}},
      {directions, 984, {0, 883}},
      {group_left, 984, {164, 984}},
      {group_embedded, 984, {0, 984}},
      {map_left, 984, {204, 984}},
      {everything, 984, {204, 883}},
      // Narrower than the side columns: still one pixel wide.
      {everything, 250, {204, 205}},
  };
  for (const row& r : rows) {
    main_column c = main_column_edges(r.width, r.settings);
    EXPECT_EQ(c.left, r.expected.left) << r.width;
    EXPECT_EQ(c.right, r.expected.right) << r.width;
  }
}

}  // namespace
