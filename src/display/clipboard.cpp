#include "display/clipboard.h"

#include <wx/clipbrd.h>
#include <wx/log.h>

#include "util/debug_log.h"

void set_clipboard_data(const std::string& text) {
  wxLogNull quiet;  // the toolkit's own clipboard complaints would pop up dialogs
  wxTheClipboard->UsePrimarySelection(true);
  if (!wxTheClipboard->Open()) {
    if (debug_level > 1) debug_log("Error in set_clipboard_data(), unable to open clipboard.\n");
    return;
  }
  wxTheClipboard->SetData(new wxTextDataObject(wxString::From8BitData(text.data(), text.size())));
  wxTheClipboard->Close();
}

bool get_clipboard_data(std::string* text) {
  wxLogNull quiet;
  wxTheClipboard->UsePrimarySelection(true);
  if (!wxTheClipboard->Open()) {
    if (debug_level > 1) debug_log("Error in get_clipboard_data(), unable to open clipboard.\n");
    return false;
  }
  bool got = false;
  if (wxTheClipboard->IsSupported(wxDF_TEXT)) {
    wxTextDataObject data;
    got = wxTheClipboard->GetData(data);
    if (got) text->assign(data.GetText().To8BitData().data());
  }
  wxTheClipboard->Close();
  return got;
}
