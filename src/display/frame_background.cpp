#include "display/frame_background.h"

#include <algorithm>
#include <wx/rawbmp.h>

#include "display/game_web_address.h"
#include "display/quor_bitmap.h"
#include "display/quor_images.h"
#include "util/debug_log.h"

frame_background::~frame_background() { delete background; }

void frame_background::regenerate(int client_width, int client_height, int style, int theme, bool forced) {
  int width = 0, height = 0;
  if (!plan.needs_new_image(client_width, client_height, style, theme, forced, &width, &height)) return;
  delete background;
  background = new quor_bitmap(width, height);
  wxAlphaPixelData data(*background);
  if (!data) {
    if (debug_level > 0) debug_log("Error in frame_background::regenerate() - pixel data failed?\n");
    delete background;
    background = nullptr;
    plan.image_lost();
    return;
  }
  wxAlphaPixelData::Iterator origin(data);
  pixel_view view{(uint8_t*)origin.m_ptr, data.GetWidth(), data.GetHeight(), data.GetRowStride()};
  draw_background_pattern(view, style, background_theme_for(theme));
  plan.image_made(width, height);
}

void frame_background::repaint_handler(wxDC& dc, int client_width, int client_height, int layout) {
  if (!background) {
    if (debug_level > 1) debug_log("Error in quor_mw::repaint_handler() - no background image?\n");
    return;
  }
  dc.DrawBitmap(*background, 0, 0, false);

  if (!address_font.IsOk())
    address_font = wxFont(9, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, true);
  dc.SetFont(address_font);
  dc.SetTextForeground(*wxWHITE);
  dc.SetTextBackground(*wxBLACK);
  wxCoord tw = 0, th = 0;
  dc.GetTextExtent(game_web_address_text, &tw, &th);

  const quor_bitmap* logo = compiled_bitmap(image_logo);
  int lw = logo ? logo->GetWidth() : 0;
  int lh = logo ? logo->GetHeight() : 0;
  int bw = std::max(lw, (int)tw);
  int bh = th + lh - 5;
  int half = bw / 2;
  int W = client_width, H = client_height;

  int logo_x, logo_y, text_x, text_y;
  switch (layout) {
    case 2:  // panels down the left, logo at the top left
      logo_x = half - lw / 2;
      logo_y = 0;
      text_x = half - tw / 2;
      text_y = lh - 5;
      logo_area = wxRect(0, 0, bw, bh);
      break;
    case 1:
      logo_x = half - lw / 2;
      logo_y = H - lh - th + 10;
      text_x = half - tw / 2;
      text_y = H - th;
      logo_area = wxRect(0, H - bh, bw, bh);
      break;
    default:
      logo_x = W - half - lw / 2;
      logo_y = H - lh - th + 10;
      text_x = W - half - tw / 2;
      text_y = H - th;
      logo_area = wxRect(W - bw, H - bh, bw, bh);
      break;
  }
  if (logo) dc.DrawBitmap(*logo, logo_x, logo_y, true);
  dc.DrawText(game_web_address_text, text_x, text_y);
}

bool frame_background::logo_hit(int x, int y) const {
  return x > logo_area.x && x < logo_area.x + logo_area.width && y > logo_area.y &&
         y < logo_area.y + logo_area.height;
}
