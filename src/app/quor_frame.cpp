#include "app/quor_frame.h"

#include "app/app_globals.h"
#include "util/debug_log.h"

quor_frame::quor_frame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& position,
                       const wxSize& size, long style)
    : wxFrame(parent, id, title, position, size, style, wxString("quor frame ") + title) {
  if ((style & wxFRAME_FLOAT_ON_PARENT) && parent != (wxWindow*)main_frame && debug_level > 1)
    debug_log("Warning in quor_frame() - frame created without main window as parent.\n");
}
