// The text window shells on a private X display (tools/xvfb_run.sh): one rendered line checked
// pixel by pixel in the back buffer and on screen, the border states, the selection highlight,
// the colour flash, and the main window's line trigger through the partial-line tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>

#include "display/ansi_palette.h"
#include "display/partial_line_ticker.h"
#include "display/quor_bitmap.h"
#include "display/quor_font.h"
#include "display/quor_main_window.h"
#include "display/text_painter.h"

namespace {

quor_rgb pixel(const wxImage& image, int x, int y) {
  return quor_rgb(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// Glyphs are blended over the black background by their coverage, so every text pixel is the
// text colour scaled by one factor (to within rounding); the antialiased stems of a small font
// rarely cover a pixel whole.
struct band_colors {
  int text = 0;            // pixels that are the wanted colour at some coverage
  int foreign = 0;         // pixels of any other colour
  double max_coverage = 0;  // the strongest coverage seen
};

band_colors scan(const wxImage& image, int x0, int x1, int y0, int y1, quor_rgb wanted) {
  band_colors result;
  int top = std::max(wanted.red, std::max(wanted.green, wanted.blue));
  for (int y = y0; y < y1; y++) {
    for (int x = x0; x < x1; x++) {
      quor_rgb p = pixel(image, x, y);
      if (p == color_black) continue;
      int strongest = std::max(p.red, std::max(p.green, p.blue));
      double k = top > 0 ? (double)strongest / top : 0;
      bool scaled = std::abs(p.red - k * wanted.red) <= 2 && std::abs(p.green - k * wanted.green) <= 2 &&
                    std::abs(p.blue - k * wanted.blue) <= 2;
      if (scaled && top > 0) {
        result.text++;
        result.max_coverage = std::max(result.max_coverage, k);
      } else {
        result.foreign++;
      }
    }
  }
  return result;
}

class TextViewGui : public ::testing::Test {
 protected:
  void SetUp() override {
    current_ansi_palette = ansi_palettes[0];
    frame = new wxFrame(nullptr, wxID_ANY, "text view test", wxPoint(0, 0), wxSize(500, 300));
    font = new quor_font(8, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
    display = new quor_main_window(frame, font);
    frame->Show(true);
    display->set_geometry(0, 0, 400, 200);
    for (int i = 0; i < 50 && !display->textctrl->IsShownOnScreen(); i++) wxTheApp->Yield(true);
    line_height = font->line_height();
    char_width = font->char_width('H');
  }
  void TearDown() override {
    frame->Destroy();
    wxTheApp->Yield(true);
    delete font;
  }

  wxImage text_image() {
    display->textctrl->redraw_now();
    return display->textctrl->back_buffer()->ConvertToImage();
  }
  wxImage border_image() {
    display->redraw_now();
    return display->back_buffer()->ConvertToImage();
  }
  // The top of the display line `from_bottom` lines above the open (last) line.
  int line_top(int from_bottom) {
    int height = display->textctrl->GetClientSize().GetHeight();
    return height - line_height - 1 - from_bottom * line_height;
  }

  wxFrame* frame = nullptr;
  quor_font* font = nullptr;
  quor_main_window* display = nullptr;
  int line_height = 0;
  int char_width = 0;
};

TEST_F(TextViewGui, OneLineInItsColoursBottomUp) {
  ASSERT_GT(line_height, 4);
  ASSERT_GT(char_width, 2);
  // Bright red "HHHH", then default white "HHHH", then bright yellow "HHHH", one line.
  const char* text = "\x1b[1m\x1b[31mHHHH\x1b[0mHHHH\x1b[1m\x1b[33mHHHH\x1b[0m\n";
  display->display_socket_data(text, (int)strlen(text));
  display->refresh();
  wxImage image = text_image();
  int y = line_top(1);
  ASSERT_GE(y, 0);
  struct run {
    int first_char;
    quor_rgb color;
  } runs[] = {{0, quor_rgb(0xff, 0x55, 0x55)}, {4, quor_rgb(0xa0, 0xa0, 0xa0)}, {8, quor_rgb(0xff, 0xff, 0x55)}};
  for (const run& r : runs) {
    int x0 = 1 + r.first_char * char_width;
    band_colors c = scan(image, x0, x0 + 4 * char_width, y, y + line_height, r.color);
    EXPECT_GT(c.text, 8) << "run at character " << r.first_char;
    EXPECT_GT(c.max_coverage, 0.6) << "run at character " << r.first_char;
    EXPECT_EQ(c.foreign, 0) << "run at character " << r.first_char;
  }
  // Nothing to the right of the text, nothing on the open line below it, nothing above.
  int end = 1 + 12 * char_width;
  band_colors right = scan(image, end, image.GetWidth(), y, y + line_height, color_white);
  EXPECT_EQ(right.text + right.foreign, 0);
  band_colors below = scan(image, 0, image.GetWidth(), line_top(0), image.GetHeight(), color_white);
  EXPECT_EQ(below.text + below.foreign, 0);
  band_colors above = scan(image, 0, image.GetWidth(), 0, y, color_white);
  EXPECT_EQ(above.text + above.foreign, 0);

  // What the X server shows is the back buffer.
  for (int i = 0; i < 20; i++) wxTheApp->Yield(true);
  wxBitmap shown(image.GetWidth(), image.GetHeight(), 24);
  {
    wxMemoryDC memory(shown);
    wxScreenDC screen;
    wxPoint origin = display->textctrl->GetScreenPosition();
    memory.Blit(0, 0, image.GetWidth(), image.GetHeight(), &screen, origin.x, origin.y);
  }
  wxImage screen_image = shown.ConvertToImage();
  int differing = 0;
  for (int yy = y; yy < y + line_height; yy++)
    for (int x = 0; x < end; x++)
      if (pixel(screen_image, x, yy) != pixel(image, x, yy)) differing++;
  EXPECT_EQ(differing, 0);
}

TEST_F(TextViewGui, SelectionHighlightsOnlyTheSelectedCharacters) {
  const char* text = "HHHHHHHH\n";
  display->display_socket_data(text, (int)strlen(text));
  int line = display->textctrl->store.line_count() - 1;
  text_selection& s = display->textctrl->pointer.selection;
  s.active = true;
  s.start = text_position{line, 2};
  s.end = text_position{line, 4};
  wxImage image = text_image();
  int y = line_top(1);
  int grey = 0, black = 0;
  for (int yy = y; yy < y + line_height; yy++) {
    for (int x = 1 + 2 * char_width; x < 1 + 5 * char_width; x++) grey += pixel(image, x, yy) == selection_background;
    for (int x = 1; x < 1 + 2 * char_width; x++) black += pixel(image, x, yy) == color_black;
  }
  EXPECT_GT(grey, 3 * char_width * line_height / 3);
  EXPECT_GT(black, 0);
  // The empty space after the text is never highlighted.
  for (int x = 1 + 8 * char_width; x < image.GetWidth(); x++) ASSERT_EQ(pixel(image, x, y + 1), color_black) << x;
}

TEST_F(TextViewGui, PartlyVisibleTopLineIsDrawn) {
  // A height that is no multiple of the line height leaves the top line cut.
  int height = 4 + 15 * line_height + line_height / 2;
  display->set_geometry(0, 0, 400, height);
  std::string text;
  for (int i = 0; i < 100; i++) text += "HHHH\n";
  display->display_socket_data(text.data(), (int)text.size());
  wxImage image = text_image();
  ASSERT_EQ(image.GetHeight(), height - 4);
  // Lines sit at height - line_height - 1 - k * line_height; the top one starts above 0.
  int top = (image.GetHeight() - line_height - 1) % line_height - line_height;
  ASSERT_LT(top, 0);
  ASSERT_GT(top + line_height, 2);
  band_colors c = scan(image, 1, 1 + 4 * char_width, 0, top + line_height, quor_rgb(0xa0, 0xa0, 0xa0));
  EXPECT_GT(c.text, 0);
  EXPECT_EQ(c.foreign, 0);
}

TEST_F(TextViewGui, BorderShowsFollowHoldAndFlash) {
  wxImage image = border_image();
  EXPECT_EQ(pixel(image, 0, 0), color_white);
  EXPECT_EQ(pixel(image, 1, 1), color_grey128);
  std::string text;
  for (int i = 0; i < 100; i++) text += "line\n";
  display->display_socket_data(text.data(), (int)text.size());
  display->hold_view();
  image = border_image();
  EXPECT_EQ(pixel(image, 0, 0), color_red);
  EXPECT_EQ(pixel(image, 1, 1), quor_rgb(192, 0, 0));
  display->follow_end();
  display->start_border_flash();
  image = border_image();
  // 16 steps: lit while the count is odd, so the first step is dark.
  EXPECT_EQ(pixel(image, 0, 0), color_black);
  EXPECT_EQ(pixel(image, 1, 1), color_black);
}

TEST_F(TextViewGui, ColourFlashPaintsTheBackground) {
  display->textctrl->parse_colorflash("ff0000 000000 10");
  wxImage image = text_image();
  quor_rgb p = pixel(image, image.GetWidth() / 2, 2);
  EXPECT_GT(p.red, 200);
  EXPECT_EQ(p.green, 0);
  for (int i = 0; i < 12; i++) display->textctrl->animation_callback(20);
  image = text_image();
  EXPECT_EQ(pixel(image, image.GetWidth() / 2, 2), color_black);
}

TEST_F(TextViewGui, TriggerRunsOnAPromptAfterThreeTicks) {
  std::vector<std::string> sent;
  display->send_command = [&](const char* line) { sent.push_back(line); };
  partial_line_ticker ticker;
  const char* prompt = "Someone imms: rebuild please";
  display->display_socket_data(prompt, (int)strlen(prompt));
  ticker.tick(*display);
  ticker.tick(*display);
  EXPECT_TRUE(sent.empty());
  ticker.tick(*display);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0], "aset remap");
  EXPECT_EQ(sent[1], "imm in progress, please wait approximately two minutes for maps to be built and transfer");
  sent.clear();
  const char* no_space = "imms: rebuild please\n";
  display->display_socket_data(no_space, (int)strlen(no_space));
  EXPECT_TRUE(sent.empty());
}

TEST_F(TextViewGui, LeavingTheWindowWhileDraggingStartsDragScrolling) {
  std::string text;
  for (int i = 0; i < 100; i++) text += "line\n";
  display->display_socket_data(text.data(), (int)text.size());
  wxWindow* window = display->textctrl;
  int height = window->GetClientSize().GetHeight();
  wxMouseEvent down(wxEVT_LEFT_DOWN);
  down.m_leftDown = true;
  down.m_x = 10;
  down.m_y = height / 2;
  window->GetEventHandler()->ProcessEvent(down);
  ASSERT_TRUE(display->textctrl->pointer.drag_active);
  // Some drags reach the window only as the leave event at the pointer's new place.
  wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
  leave.m_leftDown = true;
  leave.m_x = 10;
  leave.m_y = height + 2 * height;
  window->GetEventHandler()->ProcessEvent(leave);
  EXPECT_GT(display->textctrl->pointer.drag_scroll, 0);
  EXPECT_TRUE(display->textctrl->pointer.selection.active);
  wxMouseEvent up(wxEVT_LEFT_UP);
  window->GetEventHandler()->ProcessEvent(up);
  EXPECT_FALSE(display->textctrl->pointer.drag_active);
}

TEST_F(TextViewGui, TheMainTextWindowHasAnEmptyName) { EXPECT_EQ(display->GetName(), ""); }

}  // namespace
