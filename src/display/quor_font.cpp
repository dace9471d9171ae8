#include "display/quor_font.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

quor_font::quor_font(int point_size, wxFontFamily family, wxFontStyle style, wxFontWeight weight, bool underline,
                     const wxString& face_name, wxFontEncoding encoding)
    : wxFont(point_size, family, style, weight, underline, face_name, encoding) {
  render_glyphs();
}

void quor_font::SetPointSize(int point_size) {
  wxFont::SetPointSize(point_size);
  render_glyphs();
}

void quor_font::copy_font(const quor_font& other) {
  SetFaceName(other.GetFaceName());
  SetFamily(other.GetFamily());
  SetWeight(other.GetWeight());
  SetStyle(other.GetStyle());
  SetPointSize(other.GetPointSize());
}

void quor_font::render_glyphs() {
  glyph_table fresh;
  if (IsOk()) {
    // A memory context needs a bitmap selected before it can measure.
    wxBitmap scratch(1, 1, 24);
    wxMemoryDC dc(scratch);
    dc.SetFont(*this);
    for (int c = glyph_table::first_glyph; c <= glyph_table::last_glyph; c++) {
      wxString character((wxUniChar)c);
      wxCoord w = 0, h = 0;
      dc.GetTextExtent(character, &w, &h);
      if (w <= 0 || h <= 0) continue;
      wxBitmap bitmap(w, h, 24);
      {
        wxMemoryDC glyph_dc(bitmap);
        glyph_dc.SetBackground(*wxBLACK_BRUSH);
        glyph_dc.Clear();
        glyph_dc.SetFont(*this);
        glyph_dc.SetTextForeground(*wxWHITE);
        glyph_dc.SetTextBackground(*wxBLACK);
        glyph_dc.DrawText(character, 0, 0);
      }
      // White on black: the green channel is the coverage.
      wxImage image = bitmap.ConvertToImage();
      glyph_coverage glyph;
      glyph.width = w;
      glyph.height = h;
      glyph.coverage.resize((size_t)w * h);
      const unsigned char* rgb = image.GetData();
      for (size_t i = 0; i < glyph.coverage.size(); i++) glyph.coverage[i] = rgb[i * 3 + 1];
      fresh.set((unsigned char)c, std::move(glyph));
    }
  }
  table = std::move(fresh);
}
