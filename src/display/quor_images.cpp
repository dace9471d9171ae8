#include "display/quor_images.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include "display/quor_bitmap.h"
#include "util/debug_log.h"

namespace {

// Live for the whole run.
quor_bitmap* decoded[compiled_image_count] = {};

}  // namespace

bool load_compiled_images() {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  bool all = true;
  for (int i = 0; i < compiled_image_count; i++) {
    if (decoded[i]) continue;
    const compiled_image& source = compiled_image_data((compiled_image_id)i);
    wxMemoryInputStream stream(source.png, source.size);
    wxImage image;
    if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG) || !image.IsOk()) {
      if (debug_level > 0) debug_log("Error in load_compiled_images() - unable to decode the %s image.\n", source.name);
      all = false;
      continue;
    }
    decoded[i] = new quor_bitmap(image);
  }
  return all;
}

const quor_bitmap* compiled_bitmap(compiled_image_id id) {
  if (id < 0 || id >= compiled_image_count) return nullptr;
  return decoded[id];
}
