// The toolkit shells of the drawing layer, run on a private X display (tools/xvfb_run.sh).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/rawbmp.h>

#include "display/frame_background.h"
#include "display/quor_bitmap.h"
#include "display/quor_embedded_window.h"
#include "display/quor_font.h"
#include "display/quor_images.h"
#include "support/log_capture.h"

namespace {

quor_rgb pixel(const wxBitmap& bitmap, int x, int y) {
  wxImage image = bitmap.ConvertToImage();
  return quor_rgb(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

int alpha(wxBitmap& bitmap, int x, int y) {
  wxAlphaPixelData data(bitmap);
  wxAlphaPixelData::Iterator p(data);
  p.MoveTo(data, x, y);
  return p.Alpha();
}

TEST(QuorBitmap, DrawsOnTheToolkitBitmapsPixels) {
  quor_bitmap bitmap(20, 10);
  EXPECT_TRUE(bitmap.HasAlpha());
  EXPECT_EQ(alpha(bitmap, 19, 9), 255);
  bitmap.Clear(quor_rgb(1, 2, 3));
  bitmap.DrawFilledRectangle(2, 2, 4, 4, quor_rgb(200, 100, 50));
  bitmap.SetPixel(19, 9, 7, 8, 9);
  bitmap.SetPixel(20, 9, color_white);  // outside: ignored
  bitmap.DrawLine(0, 9, 3, 9, color_red);
  EXPECT_EQ(pixel(bitmap, 3, 3), quor_rgb(200, 100, 50));
  EXPECT_EQ(pixel(bitmap, 5, 3), quor_rgb(1, 2, 3));
  EXPECT_EQ(pixel(bitmap, 19, 9), quor_rgb(7, 8, 9));
  EXPECT_EQ(pixel(bitmap, 3, 9), color_red);

  quor_bitmap small;
  EXPECT_EQ(small.GetWidth(), 16);
  EXPECT_EQ(small.GetHeight(), 16);
}

TEST(QuorBitmap, GlyphBitmapsAndCopies) {
  quor_bitmap glyph(2, 1);
  glyph.Clear(color_black);
  glyph.SetPixel(1, 0, color_white);
  quor_bitmap target(4, 2);
  target.Clear(quor_rgb(50, 50, 50));
  target.DrawTextGlyph(glyph, 0, 0, color_white, color_blue);
  EXPECT_EQ(pixel(target, 0, 0), color_blue);
  EXPECT_EQ(pixel(target, 1, 0), quor_rgb(254, 254, 254));
  target.DrawTextGlyphTransparent(glyph, 2, 1, color_red);
  EXPECT_EQ(pixel(target, 2, 1), quor_rgb(50, 50, 50));
  EXPECT_EQ(pixel(target, 3, 1), quor_rgb((50 * 0 + 255 * 255) / 256, 0, 0));

  quor_bitmap copy(4, 2);
  copy.Clear(color_black);
  copy.DrawBitmap(target, 1, 1);
  EXPECT_EQ(pixel(copy, 2, 1), quor_rgb(254, 254, 254));
  EXPECT_EQ(pixel(copy, 0, 0), color_black);
}

TEST(CompiledImages, DecodeWithTheirAlpha) {
  ASSERT_TRUE(load_compiled_images());
  const quor_bitmap* logo = compiled_bitmap(image_logo);
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->GetWidth(), 192);
  EXPECT_EQ(logo->GetHeight(), 43);
  EXPECT_TRUE(logo->HasAlpha());
  for (int id = image_padlock; id < compiled_image_count; id++) {
    const quor_bitmap* icon = compiled_bitmap((compiled_image_id)id);
    ASSERT_NE(icon, nullptr) << id;
    EXPECT_EQ(icon->GetWidth(), id == image_padlock ? 21 : 17);
  }
  // Over black the logo's transparent corner stays black and its lettering is white.
  quor_bitmap over(192, 43);
  over.Clear(color_black);
  over.DrawBitmapNukeAlpha(*logo, 0, 0);
  EXPECT_EQ(pixel(over, 0, 0), color_black);
  wxImage image = over.ConvertToImage();
  int white = 0;
  for (int y = 0; y < 43; y++)
    for (int x = 0; x < 192; x++) white += image.GetRed(x, y) > 240 && image.GetGreen(x, y) > 240;
  EXPECT_GT(white, 500);
}

TEST(QuorFont, RendersThePrintableGlyphsPerSize) {
  quor_font font(10, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
  for (int c = 32; c <= 126; c++) ASSERT_NE(font.glyph((unsigned char)c), nullptr) << c;
  EXPECT_EQ(font.glyph(31), nullptr);
  EXPECT_EQ(font.glyph(127), nullptr);
  EXPECT_EQ(font.glyph(0xe1), font.glyph('a'));
  EXPECT_GT(font.char_width('m'), 0);
  EXPECT_EQ(font.char_width(10), 0);
  // 'W' has some full-coverage pixels; a space none.
  const glyph_coverage* w = font.glyph('W');
  int top = 0;
  for (uint8_t g : w->coverage) top = std::max(top, (int)g);
  EXPECT_GT(top, 200);
  const glyph_coverage* space = font.glyph(' ');
  for (uint8_t g : space->coverage) EXPECT_EQ(g, 0);

  int small_height = font.line_height();
  font.SetPointSize(20);
  EXPECT_GT(font.line_height(), small_height);
  quor_font copy(8, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
  copy.copy_font(font);
  EXPECT_EQ(copy.GetPointSize(), 20);
  EXPECT_EQ(copy.line_height(), font.line_height());

  int width = 0, height = 0;
  quor_bitmap::GetTextExtent(font, "ab", &width, &height);
  EXPECT_EQ(width, font.char_width('a') + font.char_width('b'));
  EXPECT_EQ(height, font.glyph('b')->height);
  quor_bitmap line(200, 40);
  line.Clear(color_black);
  line.DrawText(font, "Hello", 0, 0, color_white, color_black);
  wxImage image = line.ConvertToImage();
  int lit = 0;
  for (int y = 0; y < 40; y++)
    for (int x = 0; x < 200; x++) lit += image.GetGreen(x, y) > 0;
  EXPECT_GT(lit, 20);
}

class probe_window : public quor_embedded_window {
 public:
  explicit probe_window(wxWindow* parent) : quor_embedded_window(parent, wxID_ANY, wxPoint(0, 0), wxSize(30, 20)) {}
  void resize_handler(bool changed) override {
    resizes++;
    last_changed = changed;
  }
  void repaint_internal(quor_bitmap* bitmap) override {
    repaints++;
    bitmap->Clear(color_green);
  }
  int resizes = 0;
  int repaints = 0;
  bool last_changed = false;
};

TEST(EmbeddedWindow, GeometryBackBufferAndAnimationBase) {
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "probe", wxDefaultPosition, wxSize(200, 200));
  probe_window* window = new probe_window(frame);
  EXPECT_EQ(window->back_buffer()->GetWidth(), 30);

  quor_bitmap* before = window->back_buffer();
  window->set_geometry(5, 6, 30, 20);
  EXPECT_EQ(window->back_buffer(), before);
  EXPECT_FALSE(window->last_changed);
  EXPECT_EQ(window->GetPosition(), wxPoint(5, 6));

  window->set_size(50, 0);
  EXPECT_TRUE(window->last_changed);
  EXPECT_EQ(window->back_buffer()->GetWidth(), 50);
  EXPECT_EQ(window->back_buffer()->GetHeight(), 1);
  EXPECT_EQ(window->GetPosition(), wxPoint(5, 6));
  window->force_resize();
  EXPECT_TRUE(window->last_changed);
  EXPECT_EQ(window->resizes, 3);

  window->Hide();
  window->redraw_now();
  EXPECT_EQ(window->repaints, 0);
  window->Show();
  window->redraw_now();
  EXPECT_EQ(window->repaints, 1);

  log_capture log;
  window->animation_state.reset(4, 200);
  start_animation(window);
  animation_tick(20);
  EXPECT_FALSE(animation_listed(window));
  EXPECT_TRUE(log.contains("Error in quor_embedded_window::animation_callback(), this handler should never be called.\n"));

  start_animation(window);
  frame->Destroy();
  wxTheApp->ProcessIdle();  // a destroyed window leaves the animation list
  EXPECT_FALSE(animation_listed(window));
}

int white_pixels(const wxImage& image, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; y++)
    for (int x = x0; x < x0 + w; x++) n += image.GetRed(x, y) > 240 && image.GetGreen(x, y) > 240;
  return n;
}

TEST(FrameBackground, PaintsImageLogoAndAddressForEachLayout) {
  ASSERT_TRUE(load_compiled_images());
  frame_background background;
  wxBitmap client(700, 500, 24);
  {
    log_capture log;
    wxMemoryDC dc(client);
    background.repaint_handler(dc, 700, 500, 2);
    EXPECT_TRUE(log.contains("Error in quor_mw::repaint_handler() - no background image?\n"));
  }
  background.regenerate(700, 500, 1, 60, false);
  ASSERT_NE(background.image(), nullptr);
  EXPECT_EQ(background.image()->GetWidth(), 768);
  EXPECT_EQ(background.image()->GetHeight(), 512);

  for (int layout : {2, 1, 0}) {
    SCOPED_TRACE(layout);
    {
      wxMemoryDC dc(client);
      background.repaint_handler(dc, 700, 500, layout);
    }
    wxRect logo = background.logo_rect();
    EXPECT_EQ(logo.width, 192);
    wxImage image = client.ConvertToImage();
    // Solid green background outside the logo box, white lettering inside it.
    int far_x = layout == 0 ? 10 : 690;
    EXPECT_EQ(quor_rgb(image.GetRed(far_x, 250), image.GetGreen(far_x, 250), image.GetBlue(far_x, 250)),
              quor_rgb(0, 32, 0));
    EXPECT_GT(white_pixels(image, logo.x, logo.y, logo.width, logo.height), 500);
    const wxPoint expected_corner = layout == 2   ? wxPoint(0, 0)
                                    : layout == 1 ? wxPoint(0, 500 - logo.height)
                                                  : wxPoint(700 - 192, 500 - logo.height);
    EXPECT_EQ(logo.GetPosition(), expected_corner);
    EXPECT_TRUE(background.logo_hit(logo.x + 1, logo.y + 1));
    EXPECT_FALSE(background.logo_hit(logo.x, logo.y + 1));
  }
}

// Every style in every theme: checks the colours and, with VANDREL_SHOT_DIR set, saves the
// pictures for a look by eye.
TEST(FrameBackground, EveryStyleAndTheme) {
  const char* shots = getenv("VANDREL_SHOT_DIR");
  const int themes[] = {2, 40, 0, 50, 60, 70, 1, 80, 90};
  for (int style = 0; style <= 5; style++) {
    for (int theme : themes) {
      frame_background background;
      background.regenerate(300, 200, style, theme, false);
      ASSERT_NE(background.image(), nullptr);
      wxImage image = background.image()->ConvertToImage();
      const background_theme& colors = background_theme_for(theme);
      quor_rgb corner(image.GetRed(255, 255), image.GetGreen(255, 255), image.GetBlue(255, 255));
      if (style == 1) {
        EXPECT_EQ(corner, colors.dark);
      } else if (style == 0) {
        EXPECT_EQ(corner, color_black);
      }
      if (shots) {
        wxBitmap shot(300, 200, 24);
        {
          wxMemoryDC dc(shot);
          background.repaint_handler(dc, 300, 200, 0);
        }
        shot.SaveFile(wxString::Format("%s/style%d_theme%d.png", shots, style, theme), wxBITMAP_TYPE_PNG);
      }
    }
  }
}

}  // namespace
