// The off-screen image every custom-drawn panel paints into: a 32-bit toolkit bitmap with alpha
// and the client's own drawing operations, which work directly on its pixels.
#pragma once

#include <wx/bitmap.h>
#include <wx/image.h>

#include "display/glyph_table.h"
#include "display/quor_rgb.h"

class quor_font;

class quor_bitmap : public wxBitmap {
 public:
  // Sides of DrawFrame.
  enum { frame_top = 1, frame_right = 2, frame_bottom = 4, frame_left = 8, frame_all = 15 };

  quor_bitmap();  // 16 x 16
  quor_bitmap(int width, int height);
  // Keeps the image's alpha (the decoded PNG images).
  explicit quor_bitmap(const wxImage& image);

  // Alpha of every pixel to 255.
  void ClearAlpha();
  // Every pixel to the colour, alpha 255.
  void Clear(const quor_rgb& color);
  void SetPixel(int x, int y, const quor_rgb& color);
  void SetPixel(int x, int y, int red, int green, int blue);

  // Both ends included.
  void DrawLine(int x1, int y1, int x2, int y2, const quor_rgb& color);
  void DrawGradientLine(int x1, int y1, int x2, int y2, const quor_rgb& start, const quor_rgb& end);
  // Corners in any order, edges included.
  void DrawFilledRectangle(int x1, int y1, int x2, int y2, const quor_rgb& color);
  void DrawXGradientRectangle(int x1, int y1, int x2, int y2, const quor_rgb& left, const quor_rgb& right);
  void DrawYGradientRectangle(int x1, int y1, int x2, int y2, const quor_rgb& top, const quor_rgb& bottom);
  void DrawFilledCircle(int cx, int cy, int radius, const quor_rgb& color);
  // `points` holds count (x, y) pairs, each offset by (offset_x, offset_y); 3 to 999 points.
  void DrawPolygon(int count, const int* points, int offset_x, int offset_y, const quor_rgb& outline,
                   const quor_rgb& fill);

  // Copies the source's colours (its alpha ignored), or its colours times its alpha.
  void DrawBitmap(const quor_bitmap& source, int x, int y);
  void DrawBitmapNukeAlpha(const quor_bitmap& source, int x, int y);

  // A glyph (white on black: green is coverage) blended between background and text colour,
  // or over the existing pixels.
  void DrawTextGlyph(const quor_bitmap& glyph, int x, int y, const quor_rgb& text, const quor_rgb& background);
  void DrawTextGlyph(const glyph_coverage& glyph, int x, int y, const quor_rgb& text, const quor_rgb& background);
  void DrawTextGlyphTransparent(const quor_bitmap& glyph, int x, int y, const quor_rgb& text);
  void DrawTextGlyphTransparent(const glyph_coverage& glyph, int x, int y, const quor_rgb& text);

  // Width: sum of the glyph widths; height: the last glyph's height.
  static void GetTextExtent(const quor_font& font, const char* text, int* width, int* height);
  void DrawText(const quor_font& font, const char* text, int x, int y, const quor_rgb& color,
                const quor_rgb& background);
  void DrawTextTransparent(const quor_font& font, const char* text, int x, int y, const quor_rgb& color);

  // Border lines along the chosen sides: white outside and grey inside, or all in the colour.
  void DrawFrame(int width, int height, int sides, const quor_rgb* color = nullptr);
  // Rectangle outline with black corner pixels.
  void DrawCornerCutFrame(const quor_rgb& color, int width, int height);
};
