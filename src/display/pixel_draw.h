// The drawing operations of the client's back buffers, on plain pixel memory.
// quor_bitmap hands its raw pixels to these; tests drive them on a memory buffer.
// Every operation clips to the view; only the two clears write alpha.
#pragma once

#include "display/glyph_table.h"
#include "display/pixel_view.h"
#include "display/quor_rgb.h"

namespace pixel_draw {

enum { polygon_min_points = 3, polygon_max_points = 1000 };
// Sides of a frame.
enum { frame_top = 1, frame_right = 2, frame_bottom = 4, frame_left = 8, frame_all = 15 };

void clear_alpha(const pixel_view& view);
void clear(const pixel_view& view, quor_rgb color);
void set_pixel(const pixel_view& view, int x, int y, quor_rgb color);

// Both ends included.
void line(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb color);
void gradient_line(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb start, quor_rgb end);

// Corners in any order, edges included.
void filled_rectangle(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb color);
void x_gradient_rectangle(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb left, quor_rgb right);
void y_gradient_rectangle(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb top, quor_rgb bottom);
void filled_circle(const pixel_view& view, int cx, int cy, int radius, quor_rgb color);

// `points` holds count (x, y) pairs. Returns false (and logs) outside 3..999 points.
bool polygon(const pixel_view& view, int count, const int* points, int offset_x, int offset_y, quor_rgb outline,
             quor_rgb fill);

// Image copies: source RGB as is, or multiplied by the source's alpha (as over black).
void copy(const pixel_view& dest, const pixel_view& source, int x, int y);
void copy_nuke_alpha(const pixel_view& dest, const pixel_view& source, int x, int y);

// Glyph box blended between background and text colour, or over the existing pixels.
void glyph(const pixel_view& dest, const coverage_view& glyph, int x, int y, quor_rgb text, quor_rgb background);
void glyph_transparent(const pixel_view& dest, const coverage_view& glyph, int x, int y, quor_rgb text);

// Glyph by glyph, x advancing by each glyph's width; bytes without a glyph are skipped.
void text(const pixel_view& dest, const glyph_table& font, const char* text, int x, int y, quor_rgb color,
          quor_rgb background);
void text_transparent(const pixel_view& dest, const glyph_table& font, const char* text, int x, int y,
                      quor_rgb color);
// Width: sum of the glyph widths; height: the last glyph's height.
void text_extent(const glyph_table& font, const char* text, int* width, int* height);

// Border lines along the chosen sides; without a colour the outer lines are white and the inner grey.
void frame(const pixel_view& view, int width, int height, int sides, const quor_rgb* color);
// Rectangle outline whose four corner pixels are black.
void corner_cut_frame(const pixel_view& view, quor_rgb color, int width, int height);

}  // namespace pixel_draw
