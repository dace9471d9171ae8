#include "display/pixel_draw.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "util/debug_log.h"

namespace pixel_draw {

namespace {

// Coordinates beyond this are taken as far off-screen; it keeps the line arithmetic in 64 bits.
const long long coordinate_limit = 1LL << 30;

inline void put(uint8_t* p, quor_rgb color) {
  p[pixel_view::red_offset] = (uint8_t)color.red;
  p[pixel_view::green_offset] = (uint8_t)color.green;
  p[pixel_view::blue_offset] = (uint8_t)color.blue;
}

inline bool inside(const pixel_view& view, long long x, long long y) {
  return x >= 0 && y >= 0 && x < view.width && y < view.height;
}

inline bool usable(const pixel_view& view) { return view.pixels && view.width > 0 && view.height > 0; }

// Bresenham from (x1, y1) towards (x2, y2) along the major axis (y when the deltas are equal), with
// the error term started at half the major delta. Steps whose major coordinate lies outside the
// view are skipped arithmetically, so long off-screen lines cost nothing; the pixels are the same as
// those of the plain step-by-step walk. plot(x, y, step) receives every remaining step.
template <class Plot>
void walk_line(const pixel_view& view, long long x1, long long y1, long long x2, long long y2, Plot plot) {
  if (std::llabs(x1) > coordinate_limit || std::llabs(y1) > coordinate_limit || std::llabs(x2) > coordinate_limit ||
      std::llabs(y2) > coordinate_limit)
    return;
  long long dx = x2 - x1;
  long long dy = y2 - y1;
  if (dx == 0 && dy == 0) {
    plot(x1, y1, 0LL);
    return;
  }
  bool x_major = std::llabs(dx) > std::llabs(dy);
  long long major_start = x_major ? x1 : y1;
  long long minor_start = x_major ? y1 : x1;
  long long major_delta = x_major ? dx : dy;
  long long minor_delta = x_major ? dy : dx;
  int major_sign = major_delta < 0 ? -1 : 1;
  int minor_sign = minor_delta < 0 ? -1 : 1;
  long long major_length = std::llabs(major_delta);
  long long minor_length = std::llabs(minor_delta);
  long long limit = x_major ? view.width : view.height;

  long long first = 0;
  long long last = major_length;
  if (major_sign > 0) {
    first = std::max(first, -major_start);
    last = std::min(last, limit - 1 - major_start);
  } else {
    first = std::max(first, major_start - limit + 1);
    last = std::min(last, major_start);
  }
  if (first > last) return;

  long long error = major_length / 2;
  long long minor_steps = 0;
  long long owed = first * minor_length - error;
  if (owed > 0) minor_steps = (owed + major_length - 1) / major_length;
  error = error - first * minor_length + minor_steps * major_length;
  long long minor = minor_start + minor_sign * minor_steps;
  for (long long step = first; step <= last; step++) {
    long long major = major_start + major_sign * step;
    if (x_major)
      plot(major, minor, step);
    else
      plot(minor, major, step);
    error -= minor_length;
    if (error < 0) {
      minor += minor_sign;
      error += major_length;
    }
  }
}

// Orders the corners and clips; false when nothing is visible.
bool clip_rectangle(const pixel_view& view, int& x1, int& y1, int& x2, int& y2) {
  if (!usable(view)) return false;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x2 < 0 || y2 < 0 || x1 >= view.width || y1 >= view.height) return false;
  return true;
}

// Cuts an ordered rectangle that overlaps the view down to the part inside it.
void clamp_to_view(const pixel_view& view, int& x1, int& y1, int& x2, int& y2) {
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, view.width - 1);
  y2 = std::min(y2, view.height - 1);
}

// The part of a (width x height) source placed at (x, y) that lands on the destination.
struct image_clip {
  int source_x, source_y, dest_x, dest_y, width, height;
};

bool clip_image(const pixel_view& dest, int source_width, int source_height, int x, int y, image_clip& clip) {
  if (!usable(dest) || source_width <= 0 || source_height <= 0) return false;
  long long sx = 0, sy = 0, dx = x, dy = y;
  long long w = source_width, h = source_height;
  if (dx < 0) {
    sx = -dx;
    w += dx;
    dx = 0;
  }
  if (dy < 0) {
    sy = -dy;
    h += dy;
    dy = 0;
  }
  if (dx + w > dest.width) w = dest.width - dx;
  if (dy + h > dest.height) h = dest.height - dy;
  if (w <= 0 || h <= 0) return false;
  clip = image_clip{(int)sx, (int)sy, (int)dx, (int)dy, (int)w, (int)h};
  return true;
}

inline int blend(int under, int over, int coverage) { return (under * (255 - coverage) + over * coverage) / 256; }

void fill_span(const pixel_view& view, long long xa, long long xb, long long y, quor_rgb color) {
  if (y < 0 || y >= view.height) return;
  if (xa > xb) std::swap(xa, xb);
  xa = std::max(xa, 0LL);
  xb = std::min(xb, (long long)view.width - 1);
  for (long long x = xa; x <= xb; x++) put(view.at((int)x, (int)y), color);
}

}  // namespace

void clear_alpha(const pixel_view& view) {
  if (!usable(view)) return;
  for (int y = 0; y < view.height; y++) {
    uint8_t* p = view.at(0, y) + pixel_view::alpha_offset;
    for (int x = 0; x < view.width; x++, p += pixel_view::bytes_per_pixel) *p = 255;
  }
}

void clear(const pixel_view& view, quor_rgb color) {
  if (!usable(view)) return;
  uint8_t bytes[pixel_view::bytes_per_pixel];
  put(bytes, color);
  bytes[pixel_view::alpha_offset] = 255;
  uint32_t word;
  memcpy(&word, bytes, sizeof word);
  for (int y = 0; y < view.height; y++) {
    uint8_t* row = view.at(0, y);
    for (int x = 0; x < view.width; x++) memcpy(row + x * pixel_view::bytes_per_pixel, &word, sizeof word);
  }
}

void set_pixel(const pixel_view& view, int x, int y, quor_rgb color) {
  if (usable(view) && inside(view, x, y)) put(view.at(x, y), color);
}

void line(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb color) {
  if (!usable(view)) return;
  long long dx = (long long)x2 - x1;
  long long dy = (long long)y2 - y1;
  // Always stepped from the smaller end of the major axis.
  bool swap_ends = std::llabs(dx) > std::llabs(dy) ? x1 > x2 : y1 > y2;
  if (swap_ends) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  walk_line(view, x1, y1, x2, y2, [&](long long x, long long y, long long) {
    if (inside(view, x, y)) put(view.at((int)x, (int)y), color);
  });
}

void gradient_line(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb start, quor_rgb end) {
  if (!usable(view)) return;
  long long major_length = std::max(std::llabs((long long)x2 - x1), std::llabs((long long)y2 - y1));
  // 8.8 fixed point kept in 16 bits, as the colour of step k is start + k * increment.
  long long divisor = major_length + 1;
  long long red_step = (long long)(end.red - start.red) * 256 / divisor;
  long long green_step = (long long)(end.green - start.green) * 256 / divisor;
  long long blue_step = (long long)(end.blue - start.blue) * 256 / divisor;
  walk_line(view, x1, y1, x2, y2, [&](long long x, long long y, long long step) {
    if (!inside(view, x, y)) return;
    quor_rgb color((int)((uint16_t)(start.red * 256 + step * red_step) >> 8),
                   (int)((uint16_t)(start.green * 256 + step * green_step) >> 8),
                   (int)((uint16_t)(start.blue * 256 + step * blue_step) >> 8));
    put(view.at((int)x, (int)y), color);
  });
}

void filled_rectangle(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb color) {
  if (!clip_rectangle(view, x1, y1, x2, y2)) return;
  clamp_to_view(view, x1, y1, x2, y2);
  for (int y = y1; y <= y2; y++) {
    uint8_t* p = view.at(x1, y);
    for (int x = x1; x <= x2; x++, p += pixel_view::bytes_per_pixel) put(p, color);
  }
}

namespace {

// A colour walking in 8.8 fixed point from one end towards the other in span + 2 steps.
struct fixed_gradient {
  int red, green, blue;
  int red_step, green_step, blue_step;
  fixed_gradient(quor_rgb from, quor_rgb to, long long span)
      : red(from.red * 256),
        green(from.green * 256),
        blue(from.blue * 256),
        red_step((int)(((long long)to.red * 256 - from.red * 256) / (span + 2))),
        green_step((int)(((long long)to.green * 256 - from.green * 256) / (span + 2))),
        blue_step((int)(((long long)to.blue * 256 - from.blue * 256) / (span + 2))) {}
  quor_rgb next() {
    red += red_step;
    green += green_step;
    blue += blue_step;
    return quor_rgb(red >> 8, green >> 8, blue >> 8);
  }
};

}  // namespace

void x_gradient_rectangle(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb left, quor_rgb right) {
  if (!clip_rectangle(view, x1, y1, x2, y2)) return;
  fixed_gradient gradient(left, right, (long long)x2 - x1);
  // Columns cut away on the left do not advance the colour.
  clamp_to_view(view, x1, y1, x2, y2);
  // The column colours once, then row by row through memory.
  std::vector<quor_rgb> columns((size_t)(x2 - x1 + 1));
  for (quor_rgb& color : columns) color = gradient.next();
  for (int y = y1; y <= y2; y++) {
    uint8_t* p = view.at(x1, y);
    for (const quor_rgb& color : columns) {
      put(p, color);
      p += pixel_view::bytes_per_pixel;
    }
  }
}

void y_gradient_rectangle(const pixel_view& view, int x1, int y1, int x2, int y2, quor_rgb top, quor_rgb bottom) {
  if (!clip_rectangle(view, x1, y1, x2, y2)) return;
  fixed_gradient gradient(top, bottom, (long long)y2 - y1);
  clamp_to_view(view, x1, y1, x2, y2);
  for (int y = y1; y <= y2; y++) {
    quor_rgb color = gradient.next();
    uint8_t* p = view.at(x1, y);
    for (int x = x1; x <= x2; x++, p += pixel_view::bytes_per_pixel) put(p, color);
  }
}

void filled_circle(const pixel_view& view, int cx, int cy, int radius, quor_rgb color) {
  if (!usable(view)) return;
  long long r = std::max(radius, 0);
  long long top = std::max((long long)cy - r, 0LL);
  long long bottom = std::min((long long)cy + r, (long long)view.height - 1);
  // r * (r + 1) rather than r * r gives small discs a fuller outline.
  long long reach = r * (r + 1);
  for (long long y = top; y <= bottom; y++) {
    long long dy = y - cy;
    long long room = std::max(0LL, reach - dy * dy);
    long long half = (long long)std::sqrt((double)room);
    while (half * half > room) half--;
    while ((half + 1) * (half + 1) <= room) half++;
    fill_span(view, cx - half, cx + half, y, color);
  }
}

bool polygon(const pixel_view& view, int count, const int* points, int offset_x, int offset_y, quor_rgb outline,
             quor_rgb fill) {
  if (count < polygon_min_points) {
    if (debug_level > 0)
      debug_log("Error in quor_bitmap::DrawPolygon(), only got %d points, need a minimum of 3.\n", count);
    return false;
  }
  if (count >= polygon_max_points) {
    if (debug_level > 0)
      debug_log("Error in quor_bitmap::DrawPolygon(), got %d points, max is %d.\n", count, (int)polygon_max_points);
    return false;
  }
  if (!points || !usable(view)) return false;

  std::vector<int> xs(count), ys(count);
  for (int i = 0; i < count; i++) {
    long long x = (long long)points[2 * i] + offset_x;
    long long y = (long long)points[2 * i + 1] + offset_y;
    xs[i] = (int)std::clamp(x, -coordinate_limit, coordinate_limit);
    ys[i] = (int)std::clamp(y, -coordinate_limit, coordinate_limit);
  }

  struct edge {
    int top;
    int bottom;
    double x;
    double slope;
    bool active;
  };
  std::vector<edge> edges;
  edges.reserve(count);
  for (int i = 0; i < count; i++) {
    int j = (i + 1) % count;
    if (ys[i] == ys[j]) continue;
    int upper = ys[i] < ys[j] ? i : j;
    int lower = upper == i ? j : i;
    edges.push_back(edge{ys[upper], ys[lower], (double)xs[upper],
                         ((double)xs[lower] - xs[upper]) / ((double)ys[lower] - ys[upper]), false});
  }
  auto by_x = [](const edge& a, const edge& b) { return a.x < b.x; };

  if (!edges.empty()) {
    int first_row = edges[0].top, last_row = edges[0].bottom;
    for (const edge& e : edges) {
      first_row = std::min(first_row, e.top);
      last_row = std::max(last_row, e.bottom);
    }
    // Rows below the view draw nothing; far above it, start at a row just above the view with
    // every edge advanced there (exact row-by-row stepping otherwise).
    last_row = std::min(last_row, view.height - 1);
    const int far_above = -4096;
    if (first_row < far_above) {
      int start = -1;
      std::vector<edge> kept;
      for (edge e : edges) {
        if (e.bottom < start) continue;
        if (e.top < start) {
          e.x += (double)(start - e.top) * e.slope;
          e.top = start;
          e.active = true;
        }
        kept.push_back(e);
      }
      edges.swap(kept);
      first_row = start;
    }
    std::stable_sort(edges.begin(), edges.end(), by_x);

    for (int y = first_row; y <= last_row && !edges.empty(); y++) {
      const edge* pending = nullptr;
      for (edge& e : edges) {
        if (!e.active) {
          // An edge starts filling on the row below its top, so shared vertices count once.
          if (e.top <= y) e.active = true;
          continue;
        }
        if (!pending) {
          pending = &e;
        } else {
          double xa = std::clamp(pending->x, (double)-coordinate_limit, (double)coordinate_limit);
          double xb = std::clamp(e.x, (double)-coordinate_limit, (double)coordinate_limit);
          fill_span(view, (long long)xa, (long long)xb, y, fill);
          pending = nullptr;
        }
      }
      int next = y + 1;
      edges.erase(std::remove_if(edges.begin(), edges.end(), [next](const edge& e) { return e.bottom < next; }),
                  edges.end());
      for (edge& e : edges) {
        if (e.top < next) {
          e.top = next;
          e.x += e.slope;
        }
      }
      std::stable_sort(edges.begin(), edges.end(), by_x);
    }
  }

  for (int i = 0; i < count; i++) {
    int j = (i + 1) % count;
    line(view, xs[i], ys[i], xs[j], ys[j], outline);
  }
  return true;
}

void copy(const pixel_view& dest, const pixel_view& source, int x, int y) {
  image_clip clip;
  if (!source.pixels || !clip_image(dest, source.width, source.height, x, y, clip)) return;
  for (int row = 0; row < clip.height; row++) {
    const uint8_t* s = source.at(clip.source_x, clip.source_y + row);
    uint8_t* d = dest.at(clip.dest_x, clip.dest_y + row);
    for (int col = 0; col < clip.width; col++, s += pixel_view::bytes_per_pixel, d += pixel_view::bytes_per_pixel) {
      d[pixel_view::red_offset] = s[pixel_view::red_offset];
      d[pixel_view::green_offset] = s[pixel_view::green_offset];
      d[pixel_view::blue_offset] = s[pixel_view::blue_offset];
    }
  }
}

void copy_nuke_alpha(const pixel_view& dest, const pixel_view& source, int x, int y) {
  image_clip clip;
  if (!source.pixels || !clip_image(dest, source.width, source.height, x, y, clip)) return;
  for (int row = 0; row < clip.height; row++) {
    const uint8_t* s = source.at(clip.source_x, clip.source_y + row);
    uint8_t* d = dest.at(clip.dest_x, clip.dest_y + row);
    for (int col = 0; col < clip.width; col++, s += pixel_view::bytes_per_pixel, d += pixel_view::bytes_per_pixel) {
      int alpha = s[pixel_view::alpha_offset];
      d[pixel_view::red_offset] = (uint8_t)(s[pixel_view::red_offset] * alpha / 256);
      d[pixel_view::green_offset] = (uint8_t)(s[pixel_view::green_offset] * alpha / 256);
      d[pixel_view::blue_offset] = (uint8_t)(s[pixel_view::blue_offset] * alpha / 256);
    }
  }
}

void glyph(const pixel_view& dest, const coverage_view& source, int x, int y, quor_rgb text,
           quor_rgb background) {
  image_clip clip;
  if (!source.data || !clip_image(dest, source.width, source.height, x, y, clip)) return;
  for (int row = 0; row < clip.height; row++) {
    uint8_t* d = dest.at(clip.dest_x, clip.dest_y + row);
    for (int col = 0; col < clip.width; col++, d += pixel_view::bytes_per_pixel) {
      int g = source.at(clip.source_x + col, clip.source_y + row);
      if (g == 0) {
        put(d, background);
      } else {
        d[pixel_view::red_offset] = (uint8_t)blend(background.red, text.red, g);
        d[pixel_view::green_offset] = (uint8_t)blend(background.green, text.green, g);
        d[pixel_view::blue_offset] = (uint8_t)blend(background.blue, text.blue, g);
      }
    }
  }
}

void glyph_transparent(const pixel_view& dest, const coverage_view& source, int x, int y, quor_rgb text) {
  image_clip clip;
  if (!source.data || !clip_image(dest, source.width, source.height, x, y, clip)) return;
  for (int row = 0; row < clip.height; row++) {
    uint8_t* d = dest.at(clip.dest_x, clip.dest_y + row);
    for (int col = 0; col < clip.width; col++, d += pixel_view::bytes_per_pixel) {
      int g = source.at(clip.source_x + col, clip.source_y + row);
      if (g == 0) continue;
      d[pixel_view::red_offset] = (uint8_t)blend(d[pixel_view::red_offset], text.red, g);
      d[pixel_view::green_offset] = (uint8_t)blend(d[pixel_view::green_offset], text.green, g);
      d[pixel_view::blue_offset] = (uint8_t)blend(d[pixel_view::blue_offset], text.blue, g);
    }
  }
}

void text(const pixel_view& dest, const glyph_table& font, const char* text, int x, int y, quor_rgb color,
          quor_rgb background) {
  if (!text || !usable(dest) || x >= dest.width || y >= dest.height) return;
  // With both colours fixed, every coverage value has one result: blend once per text, not per pixel.
  uint8_t blended[256][3];
  for (int g = 0; g < 256; g++) {
    quor_rgb c = g == 0 ? background
                        : quor_rgb(blend(background.red, color.red, g), blend(background.green, color.green, g),
                                   blend(background.blue, color.blue, g));
    blended[g][0] = (uint8_t)c.red;
    blended[g][1] = (uint8_t)c.green;
    blended[g][2] = (uint8_t)c.blue;
  }
  long long at = x;
  for (const unsigned char* p = (const unsigned char*)text; *p && at < dest.width; p++) {
    const glyph_coverage* g = font.glyph(*p);
    if (!g) continue;
    image_clip clip;
    if (clip_image(dest, g->width, g->height, (int)at, y, clip)) {
      for (int row = 0; row < clip.height; row++) {
        const uint8_t* coverage = g->coverage.data() + (size_t)(clip.source_y + row) * g->width + clip.source_x;
        uint8_t* d = dest.at(clip.dest_x, clip.dest_y + row);
        for (int col = 0; col < clip.width; col++, d += pixel_view::bytes_per_pixel) {
          const uint8_t* c = blended[coverage[col]];
          d[pixel_view::red_offset] = c[0];
          d[pixel_view::green_offset] = c[1];
          d[pixel_view::blue_offset] = c[2];
        }
      }
    }
    at += g->width;
  }
}

void text_transparent(const pixel_view& dest, const glyph_table& font, const char* text, int x, int y,
                      quor_rgb color) {
  if (!text || !usable(dest) || x >= dest.width || y >= dest.height) return;
  long long at = x;
  for (const unsigned char* p = (const unsigned char*)text; *p && at < dest.width; p++) {
    const glyph_coverage* g = font.glyph(*p);
    if (!g) continue;
    glyph_transparent(dest, g->view(), (int)at, y, color);
    at += g->width;
  }
}

void text_extent(const glyph_table& font, const char* text, int* width, int* height) {
  int w = 0, h = 0;
  if (text) {
    for (const unsigned char* p = (const unsigned char*)text; *p; p++) {
      const glyph_coverage* g = font.glyph(*p);
      if (!g) continue;
      w += g->width;
      h = g->height;
    }
  }
  if (width) *width = w;
  if (height) *height = h;
}

void frame(const pixel_view& view, int width, int height, int sides, const quor_rgb* color) {
  quor_rgb outer = color ? *color : color_white;
  quor_rgb inner = color ? *color : color_grey128;
  if (sides & frame_left) {
    line(view, 0, 0, 0, height, outer);
    line(view, 1, 0, 1, height, inner);
  }
  if (sides & frame_right) {
    line(view, width - 1, 0, width - 1, height, outer);
    line(view, width - 2, 0, width - 2, height, outer);
  }
  if (sides & frame_top) line(view, 0, 0, width, 0, outer);
  if (sides & frame_bottom) line(view, 0, height - 1, width, height - 1, outer);
}

void corner_cut_frame(const pixel_view& view, quor_rgb color, int width, int height) {
  line(view, 0, 1, 0, height - 1, color);
  line(view, 1, 0, width - 1, 0, color);
  line(view, width - 1, 1, width - 1, height - 1, color);
  line(view, 1, height - 1, width - 1, height - 1, color);
  set_pixel(view, 0, 0, color_black);
  set_pixel(view, width - 1, 0, color_black);
  set_pixel(view, 0, height - 1, color_black);
  set_pixel(view, width - 1, height - 1, color_black);
}

}  // namespace pixel_draw
