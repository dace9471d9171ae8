// A toolkit font with its printable glyphs (bytes 32-126) rendered once per size, so that text is
// drawn by blending glyphs into a bitmap instead of through the toolkit's text calls.
#pragma once

#include <wx/font.h>

#include "display/glyph_table.h"

class quor_font : public wxFont {
 public:
  quor_font(int point_size, wxFontFamily family, wxFontStyle style, wxFontWeight weight, bool underline = false,
            const wxString& face_name = wxEmptyString, wxFontEncoding encoding = wxFONTENCODING_DEFAULT);

  // Re-renders the glyphs at the new size.
  void SetPointSize(int point_size) override;
  // Takes the other font's face name, family, weight, style and point size.
  void copy_font(const quor_font& other);

  // The glyph of byte & 0x7f, or null (bytes outside 32-126).
  const glyph_coverage* glyph(unsigned char byte) const { return table.glyph(byte); }
  // Text layout metrics: a byte's width is its glyph's width (0 without one) and the line height
  // of text windows is the height of 'f'.
  int char_width(unsigned char byte) const { return table.width(byte); }
  int line_height() const { return table.line_height(); }
  const glyph_table& glyphs() const { return table; }

 private:
  void render_glyphs();

  glyph_table table;
};
