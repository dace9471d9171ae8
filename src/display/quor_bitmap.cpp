#include "display/quor_bitmap.h"

#include <wx/rawbmp.h>

#include "display/pixel_draw.h"
#include "display/quor_font.h"
#include "util/debug_log.h"

static_assert((int)wxAlphaPixelFormat::RED == (int)pixel_view::red_offset &&
                  (int)wxAlphaPixelFormat::GREEN == (int)pixel_view::green_offset &&
                  (int)wxAlphaPixelFormat::BLUE == (int)pixel_view::blue_offset &&
                  (int)wxAlphaPixelFormat::ALPHA == (int)pixel_view::alpha_offset,
              "the pixel core assumes the toolkit's RGBA byte order");

namespace {

// Raw access to a bitmap's pixels for the length of one operation.
class pixel_access {
 public:
  explicit pixel_access(const wxBitmap& bitmap) : data(const_cast<wxBitmap&>(bitmap)) {
    if (!data) return;
    wxAlphaPixelData::Iterator origin(data);
    view.pixels = (uint8_t*)origin.m_ptr;
    view.width = data.GetWidth();
    view.height = data.GetHeight();
    view.stride = data.GetRowStride();
  }
  bool ok() const { return view.pixels != nullptr; }
  // Glyph coverage is the green channel of a white-on-black glyph bitmap.
  coverage_view green() const {
    return coverage_view{view.pixels + pixel_view::green_offset, view.width, view.height, view.stride,
                         pixel_view::bytes_per_pixel};
  }

  pixel_view view;

 private:
  wxAlphaPixelData data;
};

bool failed(const pixel_access& access, const char* message) {
  if (access.ok()) return false;
  if (message && debug_level > 1) debug_log("%s", message);
  return true;
}

}  // namespace

quor_bitmap::quor_bitmap() : wxBitmap(16, 16, 32) { ClearAlpha(); }

quor_bitmap::quor_bitmap(int width, int height) : wxBitmap(width, height, 32) { ClearAlpha(); }

quor_bitmap::quor_bitmap(const wxImage& image) : wxBitmap(image, 32) {}

void quor_bitmap::ClearAlpha() {
  pixel_access access(*this);
  if (failed(access, "Error in quor_bitmap::ClearAlpha(), pixel data failed?\n")) return;
  pixel_draw::clear_alpha(access.view);
}

void quor_bitmap::Clear(const quor_rgb& color) {
  pixel_access access(*this);
  if (failed(access, "Error in quor_bitmap::Clear(), pixel data failed?\n")) return;
  pixel_draw::clear(access.view, color);
}

void quor_bitmap::SetPixel(int x, int y, const quor_rgb& color) {
  pixel_access access(*this);
  if (failed(access, nullptr)) return;
  pixel_draw::set_pixel(access.view, x, y, color);
}

void quor_bitmap::SetPixel(int x, int y, int red, int green, int blue) { SetPixel(x, y, quor_rgb(red, green, blue)); }

void quor_bitmap::DrawLine(int x1, int y1, int x2, int y2, const quor_rgb& color) {
  pixel_access access(*this);
  if (failed(access, nullptr)) return;
  pixel_draw::line(access.view, x1, y1, x2, y2, color);
}

void quor_bitmap::DrawGradientLine(int x1, int y1, int x2, int y2, const quor_rgb& start, const quor_rgb& end) {
  pixel_access access(*this);
  if (failed(access, nullptr)) return;
  pixel_draw::gradient_line(access.view, x1, y1, x2, y2, start, end);
}

void quor_bitmap::DrawFilledRectangle(int x1, int y1, int x2, int y2, const quor_rgb& color) {
  pixel_access access(*this);
  if (failed(access, "Error in quor_bitmap::DrawFilledRectangle(), pixel data failed?\n")) return;
  pixel_draw::filled_rectangle(access.view, x1, y1, x2, y2, color);
}

void quor_bitmap::DrawXGradientRectangle(int x1, int y1, int x2, int y2, const quor_rgb& left,
                                         const quor_rgb& right) {
  pixel_access access(*this);
  if (failed(access, "Error in quor_bitmap::DrawXGradientRectangle(), pixel data failed?\n")) return;
  pixel_draw::x_gradient_rectangle(access.view, x1, y1, x2, y2, left, right);
}

void quor_bitmap::DrawYGradientRectangle(int x1, int y1, int x2, int y2, const quor_rgb& top,
                                         const quor_rgb& bottom) {
  pixel_access access(*this);
  if (failed(access, "Error in quor_bitmap::DrawYGradientRectangle(), pixel data failed?\n")) return;
  pixel_draw::y_gradient_rectangle(access.view, x1, y1, x2, y2, top, bottom);
}

void quor_bitmap::DrawFilledCircle(int cx, int cy, int radius, const quor_rgb& color) {
  pixel_access access(*this);
  if (failed(access, "Error in quor_bitmap::DrawFilledCircle(), pixel data failed?\n")) return;
  pixel_draw::filled_circle(access.view, cx, cy, radius, color);
}

void quor_bitmap::DrawPolygon(int count, const int* points, int offset_x, int offset_y, const quor_rgb& outline,
                              const quor_rgb& fill) {
  // The point limits are checked (and logged) before the pixels are touched.
  if (count < pixel_draw::polygon_min_points || count >= pixel_draw::polygon_max_points) {
    pixel_draw::polygon(pixel_view(), count, points, offset_x, offset_y, outline, fill);
    return;
  }
  pixel_access access(*this);
  if (failed(access, nullptr)) return;
  pixel_draw::polygon(access.view, count, points, offset_x, offset_y, outline, fill);
}

void quor_bitmap::DrawBitmap(const quor_bitmap& source, int x, int y) {
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawBitmap(), pixel data dest failed?\n")) return;
  pixel_access src(source);
  if (failed(src, "Error in quor_bitmap::DrawBitmap(), pixel data src failed?\n")) return;
  pixel_draw::copy(dest.view, src.view, x, y);
}

void quor_bitmap::DrawBitmapNukeAlpha(const quor_bitmap& source, int x, int y) {
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawBitmapNukeAlpha(), pixel data dest failed?\n")) return;
  pixel_access src(source);
  if (failed(src, "Error in quor_bitmap::DrawBitmapNukeAlpha(), pixel data src failed?\n")) return;
  pixel_draw::copy_nuke_alpha(dest.view, src.view, x, y);
}

void quor_bitmap::DrawTextGlyph(const quor_bitmap& glyph, int x, int y, const quor_rgb& text,
                                const quor_rgb& background) {
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawTextGlyph(), pixel data dest failed?\n")) return;
  pixel_access src(glyph);
  if (failed(src, "Error in quor_bitmap::DrawTextGlyph(), pixel data src failed?\n")) return;
  pixel_draw::glyph(dest.view, src.green(), x, y, text, background);
}

void quor_bitmap::DrawTextGlyph(const glyph_coverage& glyph, int x, int y, const quor_rgb& text,
                                const quor_rgb& background) {
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawTextGlyph(), pixel data dest failed?\n")) return;
  pixel_draw::glyph(dest.view, glyph.view(), x, y, text, background);
}

void quor_bitmap::DrawTextGlyphTransparent(const quor_bitmap& glyph, int x, int y, const quor_rgb& text) {
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawTextGlyphTransparent(), pixel data dest failed?\n")) return;
  pixel_access src(glyph);
  if (failed(src, "Error in quor_bitmap::DrawTextGlyphTransparent(), pixel data src failed?\n")) return;
  pixel_draw::glyph_transparent(dest.view, src.green(), x, y, text);
}

void quor_bitmap::DrawTextGlyphTransparent(const glyph_coverage& glyph, int x, int y, const quor_rgb& text) {
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawTextGlyphTransparent(), pixel data dest failed?\n")) return;
  pixel_draw::glyph_transparent(dest.view, glyph.view(), x, y, text);
}

void quor_bitmap::GetTextExtent(const quor_font& font, const char* text, int* width, int* height) {
  pixel_draw::text_extent(font.glyphs(), text, width, height);
}

void quor_bitmap::DrawText(const quor_font& font, const char* text, int x, int y, const quor_rgb& color,
                           const quor_rgb& background) {
  // One pixel access for the whole text, not one per glyph.
  if (!text || x > GetWidth() || y > GetHeight()) return;
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawTextGlyph(), pixel data dest failed?\n")) return;
  pixel_draw::text(dest.view, font.glyphs(), text, x, y, color, background);
}

void quor_bitmap::DrawTextTransparent(const quor_font& font, const char* text, int x, int y, const quor_rgb& color) {
  if (!text || x > GetWidth() || y > GetHeight()) return;
  pixel_access dest(*this);
  if (failed(dest, "Error in quor_bitmap::DrawTextGlyphTransparent(), pixel data dest failed?\n")) return;
  pixel_draw::text_transparent(dest.view, font.glyphs(), text, x, y, color);
}

void quor_bitmap::DrawFrame(int width, int height, int sides, const quor_rgb* color) {
  pixel_access access(*this);
  if (failed(access, nullptr)) return;
  pixel_draw::frame(access.view, width, height, sides, color);
}

void quor_bitmap::DrawCornerCutFrame(const quor_rgb& color, int width, int height) {
  pixel_access access(*this);
  if (failed(access, nullptr)) return;
  pixel_draw::corner_cut_frame(access.view, color, width, height);
}
