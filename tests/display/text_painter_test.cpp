#include "display/text_painter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// Glyphs 4 pixels wide and 6 high: columns 1 and 2 fully covered, 0 and 3 empty.
glyph_table bar_font() {
  glyph_table font;
  for (int c = 32; c <= 126; c++) {
    glyph_coverage g;
    g.width = 4;
    g.height = 6;
    g.coverage.assign(24, 0);
    for (int row = 0; row < 6; row++) g.coverage[row * 4 + 1] = g.coverage[row * 4 + 2] = 255;
    font.set((unsigned char)c, g);
  }
  return font;
}

struct painter_fixture : ::testing::Test {
  glyph_table font = bar_font();
  text_store store;
  std::vector<uint8_t> pixels = std::vector<uint8_t>(40 * 12 * 4, 0xee);
  pixel_view view{pixels.data(), 40, 12, 40 * 4};
  text_selection selection;

  void SetUp() override {
    int widths[256];
    for (int i = 0; i < 256; i++) widths[i] = font.width((unsigned char)i);
    store.set_char_widths(widths, font.line_height());
    store.set_window_size(40, 12);
    store.set_text_colors(quor_rgb(200, 0, 0), quor_rgb(0, 0, 30));
    store.append_text("AB\n");
    store.set_text_colors(quor_rgb(0, 200, 0), quor_rgb(0, 0, 30));
    store.append_text("C");
  }
  // Full coverage blends to within one step of the text colour.
  static bool near(quor_rgb a, quor_rgb b) {
    return abs(a.red - b.red) <= 1 && abs(a.green - b.green) <= 1 && abs(a.blue - b.blue) <= 1;
  }
  quor_rgb at(int x, int y) const {
    const uint8_t* p = view.at(x, y);
    return quor_rgb(p[pixel_view::red_offset], p[pixel_view::green_offset], p[pixel_view::blue_offset]);
  }
};

TEST_F(painter_fixture, DrawsBottomUpWithThePartlyVisibleTopLine) {
  paint_text_view(store, selection, font, view);
  const quor_rgb background(0, 0, 30);
  // Line 1 ("C") at y = 12 - 6 - 1 = 5, starting at x = 1.
  EXPECT_EQ(at(1, 5), background);
  EXPECT_TRUE(near(at(2, 5), quor_rgb(0, 200, 0)));
  EXPECT_TRUE(near(at(3, 10), quor_rgb(0, 200, 0)));
  EXPECT_EQ(at(4, 5), background);
  EXPECT_EQ(at(2, 11), background);  // below the glyph
  // Line 0 ("AB") at y = -1: its rows 1-5 are visible.
  EXPECT_TRUE(near(at(2, 0), quor_rgb(200, 0, 0)));
  EXPECT_TRUE(near(at(6, 4), quor_rgb(200, 0, 0)));
  EXPECT_EQ(at(10, 2), background);
  EXPECT_EQ(at(39, 0), background);
}

TEST_F(painter_fixture, SelectedCharactersGetTheSelectionBackground) {
  selection.active = true;
  selection.start = text_position{0, 1};
  selection.end = text_position{1, 0};
  paint_text_view(store, selection, font, view);
  EXPECT_EQ(at(1, 0), quor_rgb(0, 0, 30));         // 'A' is not selected
  EXPECT_EQ(at(5, 0), selection_background);        // 'B' box, empty column
  EXPECT_TRUE(near(at(6, 0), quor_rgb(200, 0, 0)));        // 'B' keeps its colour
  EXPECT_EQ(at(9, 0), quor_rgb(0, 0, 30));         // after the text: not highlighted
  EXPECT_EQ(at(1, 5), selection_background);        // 'C'
  EXPECT_TRUE(near(at(2, 5), quor_rgb(0, 200, 0)));
}

TEST_F(painter_fixture, DrawsTopDownFromTheViewLine) {
  store.top_down = true;
  store.view_line = 0;
  paint_text_view(store, selection, font, view);
  EXPECT_TRUE(near(at(2, 0), quor_rgb(200, 0, 0)));
  EXPECT_TRUE(near(at(2, 6), quor_rgb(0, 200, 0)));
}

TEST_F(painter_fixture, TheBackgroundFlashColourFillsTheWindow) {
  store.background_now = quor_rgb(90, 10, 10);
  paint_text_view(store, selection, font, view);
  EXPECT_EQ(at(39, 11), quor_rgb(90, 10, 10));
  EXPECT_EQ(at(1, 5), quor_rgb(90, 10, 10));
}

}  // namespace
