// Pixel rules of the drawing core, checked on a plain memory buffer.
#include "display/pixel_draw.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "support/log_capture.h"

namespace {

const quor_rgb paper(10, 20, 30);
const quor_rgb ink(200, 100, 50);
const quor_rgb edge(1, 2, 3);

// A canvas with padding at the end of every row, so stride mistakes show.
class canvas {
 public:
  canvas(int width, int height) : memory((size_t)(width * 4 + 12) * height, 7) {
    view.pixels = memory.data();
    view.width = width;
    view.height = height;
    view.stride = width * 4 + 12;
    pixel_draw::clear(view, paper);
  }
  quor_rgb at(int x, int y) const {
    const uint8_t* p = view.at(x, y);
    return quor_rgb(p[0], p[1], p[2]);
  }
  int alpha(int x, int y) const { return view.at(x, y)[3]; }
  std::set<std::pair<int, int>> pixels_of(quor_rgb color) const {
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < view.height; y++)
      for (int x = 0; x < view.width; x++)
        if (at(x, y) == color) found.insert({x, y});
    return found;
  }
  int count(quor_rgb color) const { return (int)pixels_of(color).size(); }
  // The padding after each row must never be written.
  bool padding_untouched() const {
    for (int y = 0; y < view.height; y++)
      for (int i = view.width * 4; i < view.stride; i++)
        if (memory[(size_t)y * view.stride + i] != 7) return false;
    return true;
  }

  pixel_view view;

 private:
  std::vector<uint8_t> memory;
};

typedef std::set<std::pair<int, int>> pixel_set;

// Plain step-by-step Bresenham as written in the drawing rules, for comparison.
pixel_set reference_line(int w, int h, int x1, int y1, int x2, int y2) {
  pixel_set out;
  auto plot = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < w && y < h) out.insert({x, y});
  };
  if (x1 == x2 && y1 == y2) {
    plot(x1, y1);
    return out;
  }
  int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
  if (dx > dy) {
    if (x1 > x2) std::swap(x1, x2), std::swap(y1, y2);
    int step = y2 > y1 ? 1 : -1, error = dx / 2, y = y1;
    for (int x = x1; x <= x2; x++) {
      plot(x, y);
      error -= dy;
      if (error < 0) y += step, error += dx;
    }
  } else {
    if (y1 > y2) std::swap(x1, x2), std::swap(y1, y2);
    int step = x2 > x1 ? 1 : -1, error = dy / 2, x = x1;
    for (int y = y1; y <= y2; y++) {
      plot(x, y);
      error -= dx;
      if (error < 0) x += step, error += dy;
    }
  }
  return out;
}

struct line_case {
  const char* name;
  int x1, y1, x2, y2;
  pixel_set expected;
};

TEST(PixelDraw, LinesIncludeBothEndsAndStepFromTheSmallerEnd) {
  const line_case cases[] = {
      {"single point", 5, 5, 5, 5, {{5, 5}}},
      {"shallow", 0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {"shallow reversed", 3, 1, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {"steep", 0, 0, 1, 3, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {"equal deltas step y", 3, 3, 0, 0, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
      {"vertical", 2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}, {2, 3}}},
      {"clipped left", -2, 1, 2, 1, {{0, 1}, {1, 1}, {2, 1}}},
      {"clipped right and bottom", 8, 8, 12, 12, {{8, 8}, {9, 9}}},
      {"outside", -5, -5, -1, -1, {}},
  };
  for (const line_case& c : cases) {
    canvas image(10, 10);
    pixel_draw::line(image.view, c.x1, c.y1, c.x2, c.y2, ink);
    EXPECT_EQ(image.pixels_of(ink), c.expected) << c.name;
    EXPECT_TRUE(image.padding_untouched()) << c.name;
  }
}

TEST(PixelDraw, LinesMatchPlainBresenhamAlsoFromFarOffScreen) {
  // Lines that start or end far outside skip their invisible steps; the pixels must not change.
  srand(1234);
  for (int i = 0; i < 400; i++) {
    int x1 = rand() % 200 - 80, y1 = rand() % 200 - 80, x2 = rand() % 200 - 80, y2 = rand() % 200 - 80;
    canvas image(40, 30);
    pixel_draw::line(image.view, x1, y1, x2, y2, ink);
    ASSERT_EQ(image.pixels_of(ink), reference_line(40, 30, x1, y1, x2, y2))
        << x1 << "," << y1 << " - " << x2 << "," << y2;
  }
}

TEST(PixelDraw, GradientLineRunsFromTheStartInFixedPoint) {
  canvas image(10, 3);
  // Step per pixel: 255 * 256 / 4 = 16320, so the upper 8 bits go 0, 63, 127, 191.
  pixel_draw::gradient_line(image.view, 0, 0, 3, 0, color_black, color_white);
  EXPECT_EQ(image.at(0, 0), quor_rgb(0, 0, 0));
  EXPECT_EQ(image.at(1, 0), quor_rgb(63, 63, 63));
  EXPECT_EQ(image.at(2, 0), quor_rgb(127, 127, 127));
  EXPECT_EQ(image.at(3, 0), quor_rgb(191, 191, 191));
  // From the right: the start colour is at the first end given.
  pixel_draw::gradient_line(image.view, 3, 1, 0, 1, color_black, color_white);
  EXPECT_EQ(image.at(3, 1), quor_rgb(0, 0, 0));
  EXPECT_EQ(image.at(0, 1), quor_rgb(191, 191, 191));
  // Falling channels: 200 to 0 over two pixels steps by -25600.
  pixel_draw::gradient_line(image.view, 0, 2, 1, 2, quor_rgb(200, 0, 100), quor_rgb(0, 0, 0));
  EXPECT_EQ(image.at(0, 2), quor_rgb(200, 0, 100));
  EXPECT_EQ(image.at(1, 2), quor_rgb(100, 0, 50));
}

TEST(PixelDraw, FilledRectangleOrdersCornersIncludesEdgesAndClips) {
  canvas forward(10, 10), backward(10, 10);
  pixel_draw::filled_rectangle(forward.view, 2, 3, 5, 7, ink);
  pixel_draw::filled_rectangle(backward.view, 5, 7, 2, 3, ink);
  EXPECT_EQ(forward.count(ink), 4 * 5);
  EXPECT_EQ(forward.pixels_of(ink), backward.pixels_of(ink));

  canvas left(10, 10);
  pixel_draw::filled_rectangle(left.view, -8, 0, -1, 9, ink);
  EXPECT_EQ(left.count(ink), 0);

  canvas clipped(10, 10);
  pixel_draw::filled_rectangle(clipped.view, -3, 8, 2, 20, ink);
  EXPECT_EQ(clipped.pixels_of(ink), (pixel_set{{0, 8}, {1, 8}, {2, 8}, {0, 9}, {1, 9}, {2, 9}}));
  EXPECT_TRUE(clipped.padding_untouched());
}

TEST(PixelDraw, GradientRectanglesApproachButNeverReachTheEndColour) {
  canvas image(10, 10);
  // Span 2: step 255 * 256 / 4 = 16320, advanced before each column.
  pixel_draw::x_gradient_rectangle(image.view, 0, 0, 2, 1, color_black, quor_rgb(255, 0, 0));
  EXPECT_EQ(image.at(0, 0), quor_rgb(63, 0, 0));
  EXPECT_EQ(image.at(1, 1), quor_rgb(127, 0, 0));
  EXPECT_EQ(image.at(2, 0), quor_rgb(191, 0, 0));
  EXPECT_EQ(image.at(3, 0), paper);

  // Cut on the left: the span counts from -2 (step 255 * 256 / 6 = 10880) but the visible
  // columns start from the left colour.
  canvas cut(10, 10);
  pixel_draw::x_gradient_rectangle(cut.view, 2, 0, -2, 0, color_black, quor_rgb(255, 0, 0));
  EXPECT_EQ(cut.at(0, 0), quor_rgb(42, 0, 0));
  EXPECT_EQ(cut.at(1, 0), quor_rgb(85, 0, 0));
  EXPECT_EQ(cut.at(2, 0), quor_rgb(127, 0, 0));

  canvas vertical(10, 10);
  pixel_draw::y_gradient_rectangle(vertical.view, 4, 0, 5, 2, quor_rgb(0, 255, 0), color_black);
  // Falling: step -16320 from 65280.
  EXPECT_EQ(vertical.at(4, 0), quor_rgb(0, 191, 0));
  EXPECT_EQ(vertical.at(5, 1), quor_rgb(0, 127, 0));
  EXPECT_EQ(vertical.at(4, 2), quor_rgb(0, 63, 0));
  EXPECT_EQ(vertical.count(paper), 100 - 6);

  canvas hidden(10, 10);
  pixel_draw::y_gradient_rectangle(hidden.view, 0, 10, 9, 12, ink, ink);
  pixel_draw::x_gradient_rectangle(hidden.view, 10, 0, 12, 9, ink, ink);
  EXPECT_EQ(hidden.count(ink), 0);
}

std::vector<int> row_widths(const canvas& image, quor_rgb color) {
  std::vector<int> widths;
  for (int y = 0; y < image.view.height; y++) {
    int n = 0;
    for (int x = 0; x < image.view.width; x++) n += image.at(x, y) == color;
    if (n) widths.push_back(n);
  }
  return widths;
}

TEST(PixelDraw, FilledCirclesUseRTimesRPlusOne) {
  struct circle_case {
    int radius;
    std::vector<int> rows;
  } cases[] = {{0, {1}}, {-3, {1}}, {1, {3, 3, 3}}, {2, {3, 5, 5, 5, 3}}};
  for (const circle_case& c : cases) {
    canvas image(11, 11);
    pixel_draw::filled_circle(image.view, 5, 5, c.radius, ink);
    EXPECT_EQ(row_widths(image, ink), c.rows) << "radius " << c.radius;
  }
  // Clipped at the top left corner: rows 0..2 of a radius-2 disc centred at (0, 0).
  canvas corner(11, 11);
  pixel_draw::filled_circle(corner.view, 0, 0, 2, ink);
  EXPECT_EQ(row_widths(corner, ink), (std::vector<int>{3, 3, 2}));
  canvas away(11, 11);
  pixel_draw::filled_circle(away.view, 5, 40, 3, ink);
  EXPECT_EQ(away.count(ink), 0);
}

TEST(PixelDraw, PolygonFillsHalfOpenEdgesUnderItsOutline) {
  // A square: the fill covers rows 2..5 between the edges, the outline draws the border.
  canvas square(8, 8);
  const int square_points[] = {1, 1, 5, 1, 5, 5, 1, 5};
  EXPECT_TRUE(pixel_draw::polygon(square.view, 4, square_points, 0, 0, edge, ink));
  for (int y = 0; y < 8; y++)
    for (int x = 0; x < 8; x++) {
      bool border = (x == 1 || x == 5 || y == 1 || y == 5) && x >= 1 && x <= 5 && y >= 1 && y <= 5;
      bool inside = x > 1 && x < 5 && y > 1 && y < 5;
      quor_rgb expected = border ? edge : inside ? ink : paper;
      EXPECT_EQ(square.at(x, y), expected) << x << "," << y;
    }

  // A triangle with a horizontal top edge: its top row is left to the outline.
  canvas triangle(12, 12);
  const int triangle_points[] = {0, 0, 8, 0, 4, 8};
  pixel_draw::polygon(triangle.view, 3, triangle_points, 2, 1, edge, ink);
  for (int x = 0; x < 12; x++) EXPECT_NE(triangle.at(x, 1), ink) << x;
  EXPECT_EQ(triangle.at(6, 2), ink);
  EXPECT_EQ(triangle.at(2, 1), edge);
  EXPECT_EQ(triangle.at(10, 1), edge);

  // A diamond: the vertices at its widest row are shared by two edges and count once.
  canvas diamond(12, 12);
  const int diamond_points[] = {5, 0, 9, 4, 5, 8, 1, 4};
  pixel_draw::polygon(diamond.view, 4, diamond_points, 0, 0, ink, ink);
  EXPECT_EQ(row_widths(diamond, ink), (std::vector<int>{1, 3, 5, 7, 9, 7, 5, 3, 1}));
}

TEST(PixelDraw, PolygonPointLimits) {
  std::vector<int> points;
  for (int i = 0; i < 1000; i++) {
    points.push_back(10 + (i % 7));
    points.push_back(10 + (i % 5));
  }
  {
    log_capture log;
    canvas image(30, 30);
    EXPECT_FALSE(pixel_draw::polygon(image.view, 2, points.data(), 0, 0, ink, ink));
    EXPECT_EQ(image.count(ink), 0);
    EXPECT_TRUE(log.contains("Error in quor_bitmap::DrawPolygon(), only got 2 points, need a minimum of 3.\n"));
  }
  {
    log_capture log;
    canvas image(30, 30);
    EXPECT_FALSE(pixel_draw::polygon(image.view, 1000, points.data(), 0, 0, ink, ink));
    EXPECT_EQ(image.count(ink), 0);
    EXPECT_TRUE(log.contains("Error in quor_bitmap::DrawPolygon(), got 1000 points, max is 1000.\n"));
  }
  {
    log_capture log;
    canvas image(30, 30);
    EXPECT_TRUE(pixel_draw::polygon(image.view, 999, points.data(), 0, 0, ink, ink));
    EXPECT_GT(image.count(ink), 0);
    EXPECT_EQ(log.text(), "");
  }
}

TEST(PixelDraw, PolygonFarOffScreenStaysBoundedAndClipped) {
  canvas image(20, 20);
  const int huge[] = {-2000000000, -2000000000, 2000000000, -2000000000, 0, 2000000000};
  EXPECT_TRUE(pixel_draw::polygon(image.view, 3, huge, 0, 0, ink, ink));
  // The view lies well inside this triangle.
  EXPECT_EQ(image.count(ink), 400);
  EXPECT_TRUE(image.padding_untouched());
}

TEST(PixelDraw, CopiesClipAndHandleAlpha) {
  std::vector<uint8_t> memory(3 * 3 * 4);
  pixel_view source{memory.data(), 3, 3, 12};
  for (int y = 0; y < 3; y++)
    for (int x = 0; x < 3; x++) {
      uint8_t* p = source.at(x, y);
      p[0] = 255, p[1] = 128, p[2] = (uint8_t)(10 * (x + 3 * y)), p[3] = 128;
    }
  canvas plain(4, 4);
  pixel_draw::copy(plain.view, source, -1, -1);
  EXPECT_EQ(plain.at(0, 0), quor_rgb(255, 128, 40));  // source pixel (1, 1)
  EXPECT_EQ(plain.at(1, 1), quor_rgb(255, 128, 80));
  EXPECT_EQ(plain.at(2, 0), paper);
  EXPECT_EQ(plain.alpha(0, 0), 255);  // the destination keeps its alpha

  canvas nuked(4, 4);
  pixel_draw::copy_nuke_alpha(nuked.view, source, 2, 2);
  EXPECT_EQ(nuked.at(2, 2), quor_rgb(127, 64, 0));
  EXPECT_EQ(nuked.at(3, 3), quor_rgb(127, 64, 20));  // 40 * 128 / 256
  EXPECT_EQ(nuked.count(paper), 12);
  EXPECT_TRUE(nuked.padding_untouched());
}

glyph_coverage solid_glyph(int width, int height, uint8_t coverage) {
  glyph_coverage g;
  g.width = width;
  g.height = height;
  g.coverage.assign((size_t)width * height, coverage);
  return g;
}

TEST(PixelDraw, GlyphBlendingDividesBy256) {
  canvas image(6, 2);
  glyph_coverage full = solid_glyph(1, 1, 255);
  pixel_draw::glyph(image.view, full.view(), 0, 0, color_white, color_black);
  EXPECT_EQ(image.at(0, 0), quor_rgb(254, 254, 254));

  glyph_coverage half = solid_glyph(1, 1, 128);
  pixel_draw::glyph(image.view, half.view(), 1, 0, quor_rgb(200, 100, 0), color_black);
  EXPECT_EQ(image.at(1, 0), quor_rgb(100, 50, 0));

  glyph_coverage empty = solid_glyph(1, 1, 0);
  pixel_draw::glyph(image.view, empty.view(), 2, 0, color_white, quor_rgb(9, 8, 7));
  EXPECT_EQ(image.at(2, 0), quor_rgb(9, 8, 7));

  // Transparent: over the existing pixel, untouched where the coverage is 0.
  pixel_draw::glyph_transparent(image.view, empty.view(), 3, 0, color_white);
  EXPECT_EQ(image.at(3, 0), paper);
  pixel_draw::glyph_transparent(image.view, full.view(), 4, 0, color_white);
  EXPECT_EQ(image.at(4, 0), quor_rgb((10 * 0 + 255 * 255) / 256, (20 * 0 + 255 * 255) / 256, 254));
  pixel_draw::glyph_transparent(image.view, half.view(), 5, 0, color_white);
  EXPECT_EQ(image.at(5, 0), quor_rgb((10 * 127 + 255 * 128) / 256, (20 * 127 + 255 * 128) / 256,
                                     (30 * 127 + 255 * 128) / 256));
}

TEST(PixelDraw, GlyphsClipAtEveryEdge) {
  struct clip_case {
    const char* name;
    int x, y, painted;
  } cases[] = {
      {"inside", 3, 3, 16},       {"left", -2, 3, 8},   {"right", 8, 3, 8},      {"top", 3, -2, 8},
      {"bottom", 3, 8, 8},        {"corner", -3, -3, 1}, {"past right", 10, 3, 0}, {"past left", -4, 3, 0},
      {"past bottom", 3, 10, 0}, {"past top", 3, -4, 0},
  };
  glyph_coverage box = solid_glyph(4, 4, 255);
  for (const clip_case& c : cases) {
    canvas image(10, 10);
    pixel_draw::glyph(image.view, box.view(), c.x, c.y, ink, color_black);
    EXPECT_EQ(100 - image.count(paper), c.painted) << c.name;
    canvas over(10, 10);
    pixel_draw::glyph_transparent(over.view, box.view(), c.x, c.y, ink);
    EXPECT_EQ(100 - over.count(paper), c.painted) << c.name;
    EXPECT_TRUE(over.padding_untouched()) << c.name;
  }
}

glyph_table small_font() {
  glyph_table table;
  table.set('a', solid_glyph(3, 5, 255));
  table.set('b', solid_glyph(2, 4, 255));
  table.set('f', solid_glyph(2, 6, 255));
  return table;
}

TEST(PixelDraw, TextAdvancesByGlyphWidthAndMapsTheUpperHalf) {
  glyph_table font = small_font();
  const quor_rgb lit(254, 254, 254);

  canvas image(20, 8);
  pixel_draw::text(image.view, font, "ab", 1, 0, color_white, color_black);
  EXPECT_EQ(image.count(lit), 3 * 5 + 2 * 4);
  EXPECT_EQ(image.at(1, 0), lit);
  EXPECT_EQ(image.at(4, 0), lit);  // 'b' starts after the 3 columns of 'a'
  EXPECT_EQ(image.at(6, 0), paper);

  // Bytes without a glyph neither draw nor advance; 0xE1 draws 'a'.
  canvas mapped(20, 8);
  pixel_draw::text(mapped.view, font, "\x01\xe1\x7f" "b", 0, 0, color_white, color_black);
  EXPECT_EQ(mapped.count(lit), 3 * 5 + 2 * 4);
  EXPECT_EQ(mapped.at(3, 0), lit);
  EXPECT_EQ(mapped.at(5, 0), paper);

  canvas below(20, 8);
  pixel_draw::text(below.view, font, "ab", 0, 9, color_white, color_black);
  pixel_draw::text(below.view, font, "ab", 21, 0, color_white, color_black);
  pixel_draw::text(below.view, font, nullptr, 0, 0, color_white, color_black);
  EXPECT_EQ(below.count(paper), 160);

  canvas left(20, 8);
  pixel_draw::text_transparent(left.view, font, "ab", -2, 0, color_white);
  EXPECT_EQ(left.count(paper), 160 - (1 * 5 + 2 * 4));

  int width = -1, height = -1;
  pixel_draw::text_extent(font, "a\x01" "b", &width, &height);
  EXPECT_EQ(width, 5);
  EXPECT_EQ(height, 4);
  pixel_draw::text_extent(font, "", &width, &height);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
  EXPECT_EQ(font.line_height(), 6);
  EXPECT_EQ(font.width(0xe1), 3);
  EXPECT_EQ(font.width('z'), 0);
}

TEST(PixelDraw, OnlyTheClearsWriteAlpha) {
  canvas image(4, 4);
  image.view.at(1, 1)[3] = 9;
  pixel_draw::filled_rectangle(image.view, 0, 0, 3, 3, ink);
  pixel_draw::line(image.view, 0, 1, 3, 1, edge);
  EXPECT_EQ(image.alpha(1, 1), 9);
  pixel_draw::clear_alpha(image.view);
  EXPECT_EQ(image.alpha(1, 1), 255);
  EXPECT_EQ(image.at(1, 1), edge);
  image.view.at(2, 2)[3] = 0;
  pixel_draw::clear(image.view, ink);
  EXPECT_EQ(image.alpha(2, 2), 255);
  EXPECT_EQ(image.count(ink), 16);
}

TEST(PixelDraw, FramesAndCornerCutFrames) {
  canvas framed(6, 5);
  pixel_draw::frame(framed.view, 6, 5, pixel_draw::frame_all, nullptr);
  EXPECT_EQ(framed.at(0, 2), color_white);
  EXPECT_EQ(framed.at(1, 2), color_grey128);
  EXPECT_EQ(framed.at(5, 2), color_white);
  EXPECT_EQ(framed.at(4, 2), color_white);
  EXPECT_EQ(framed.at(1, 0), color_white);  // the top line is drawn after the left ones
  EXPECT_EQ(framed.at(2, 4), color_white);
  EXPECT_EQ(framed.at(2, 2), paper);

  canvas sides(6, 5);
  pixel_draw::frame(sides.view, 6, 5, pixel_draw::frame_top | pixel_draw::frame_left, &ink);
  EXPECT_EQ(sides.pixels_of(ink),
            (pixel_set{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 1},
                       {1, 2}, {1, 3}, {1, 4}}));

  canvas cut(5, 4);
  pixel_draw::corner_cut_frame(cut.view, ink, 5, 4);
  EXPECT_EQ(cut.at(0, 0), color_black);
  EXPECT_EQ(cut.at(4, 0), color_black);
  EXPECT_EQ(cut.at(0, 3), color_black);
  EXPECT_EQ(cut.at(4, 3), color_black);
  EXPECT_EQ(cut.count(ink), 2 * 3 + 2 * 2);
  EXPECT_EQ(cut.at(2, 1), paper);
}

}  // namespace
