// The toolkit font of the client's panels; glyph pre-rendering is added by the drawing layer.
#pragma once

#include <wx/font.h>

class quor_font : public wxFont {
 public:
  quor_font(int point_size, wxFontFamily family, wxFontStyle style, wxFontWeight weight, bool underline = false,
            const wxString& face_name = wxEmptyString, wxFontEncoding encoding = wxFONTENCODING_DEFAULT)
      : wxFont(point_size, family, style, weight, underline, face_name, encoding) {}
};
