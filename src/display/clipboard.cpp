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
  // Most programs offer only UTF8_STRING, which the toolkit calls Unicode text.
  if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)) {
    wxTextDataObject data;
    got = wxTheClipboard->GetData(data);
    // One byte per character; a character beyond Latin-1 must not lose the rest of the text.
    if (got) {
      text->clear();
      for (wxUniChar c : data.GetText()) text->push_back(c.GetValue() <= 0xff ? (char)c.GetValue() : '.');
    }
  }
  wxTheClipboard->Close();
  return got;
}
