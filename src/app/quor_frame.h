// Base of the program's top-level frames.
#pragma once

#include <wx/frame.h>

class quor_frame : public wxFrame {
 public:
  quor_frame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& position, const wxSize& size,
             long style = wxDEFAULT_FRAME_STYLE);
};
