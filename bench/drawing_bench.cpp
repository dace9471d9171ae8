// What panels draw on every repaint, on a 984 x 728 back buffer: clear, filled and gradient
// rectangles, and a screen of glyph text. The core runs on plain memory; with a DISPLAY the same
// operations also run through quor_bitmap on a toolkit bitmap (pixel access included).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>
#include <wx/app.h>

#include "display/pixel_draw.h"
#include "display/quor_bitmap.h"
#include "display/quor_font.h"

namespace {

const int screen_width = 984;
const int screen_height = 728;

struct memory_screen {
  memory_screen() : memory((size_t)screen_width * screen_height * 4) {
    view = pixel_view{memory.data(), screen_width, screen_height, screen_width * 4};
  }
  std::vector<uint8_t> memory;
  pixel_view view;
};

// An 8 x 14 monospaced font with a spread of coverage values, like an anti-aliased face.
glyph_table synthetic_font() {
  glyph_table table;
  for (int c = glyph_table::first_glyph; c <= glyph_table::last_glyph; c++) {
    glyph_coverage g;
    g.width = 8;
    g.height = 14;
    g.coverage.resize(8 * 14);
    for (int i = 0; i < 8 * 14; i++) g.coverage[i] = (uint8_t)(((i * 37 + c * 11) % 5 == 0) ? 255 : (i * c) % 3 ? 0 : 96);
    table.set((unsigned char)c, g);
  }
  return table;
}

// One line of screen text per row: 123 characters of 8 pixels.
std::vector<char> screen_line(int columns) {
  std::vector<char> line(columns + 1);
  for (int i = 0; i < columns; i++) line[i] = (char)(33 + (i * 7) % 94);
  line[columns] = 0;
  return line;
}

void core_clear(benchmark::State& state) {
  memory_screen screen;
  for (auto _ : state) {
    pixel_draw::clear(screen.view, quor_rgb(0, 0, 32));
    benchmark::DoNotOptimize(screen.memory.data());
  }
}
BENCHMARK(core_clear);

void core_filled_rectangle(benchmark::State& state) {
  memory_screen screen;
  for (auto _ : state) {
    pixel_draw::filled_rectangle(screen.view, 0, 0, screen_width - 1, screen_height - 1, quor_rgb(30, 0, 0));
    benchmark::DoNotOptimize(screen.memory.data());
  }
}
BENCHMARK(core_filled_rectangle);

void core_gradient_rectangle(benchmark::State& state) {
  memory_screen screen;
  for (auto _ : state) {
    pixel_draw::x_gradient_rectangle(screen.view, 0, 0, screen_width - 1, screen_height - 1, quor_rgb(80, 0, 0),
                                     quor_rgb(0, 0, 80));
    benchmark::DoNotOptimize(screen.memory.data());
  }
}
BENCHMARK(core_gradient_rectangle);

void core_screen_of_text(benchmark::State& state) {
  memory_screen screen;
  glyph_table font = synthetic_font();
  std::vector<char> line = screen_line(screen_width / 8);
  for (auto _ : state) {
    for (int y = 0; y + 14 <= screen_height; y += 14)
      pixel_draw::text(screen.view, font, line.data(), 0, y, quor_rgb(160, 160, 160), color_black);
    benchmark::DoNotOptimize(screen.memory.data());
  }
  state.SetItemsProcessed(state.iterations() * (screen_height / 14) * (screen_width / 8));
}
BENCHMARK(core_screen_of_text);

void bitmap_clear(benchmark::State& state) {
  quor_bitmap bitmap(screen_width, screen_height);
  for (auto _ : state) bitmap.Clear(quor_rgb(0, 0, 32));
}

void bitmap_filled_rectangle(benchmark::State& state) {
  quor_bitmap bitmap(screen_width, screen_height);
  for (auto _ : state) bitmap.DrawFilledRectangle(0, 0, screen_width - 1, screen_height - 1, quor_rgb(30, 0, 0));
}

void bitmap_gradient_rectangle(benchmark::State& state) {
  quor_bitmap bitmap(screen_width, screen_height);
  for (auto _ : state)
    bitmap.DrawXGradientRectangle(0, 0, screen_width - 1, screen_height - 1, quor_rgb(80, 0, 0), quor_rgb(0, 0, 80));
}

void bitmap_screen_of_text(benchmark::State& state) {
  quor_bitmap bitmap(screen_width, screen_height);
  quor_font font(8, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
  int width = font.char_width('m'), height = font.line_height();
  std::vector<char> line = screen_line(screen_width / width);
  for (auto _ : state)
    for (int y = 0; y + height <= screen_height; y += height)
      bitmap.DrawText(font, line.data(), 0, y, quor_rgb(160, 160, 160), color_black);
  state.SetItemsProcessed(state.iterations() * (screen_height / height) * (screen_width / width));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  bool toolkit = false;
  if (getenv("DISPLAY")) {
    wxApp::SetInstance(new wxApp());
    toolkit = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
  }
  if (toolkit) {
    benchmark::RegisterBenchmark("bitmap_clear", bitmap_clear);
    benchmark::RegisterBenchmark("bitmap_filled_rectangle", bitmap_filled_rectangle);
    benchmark::RegisterBenchmark("bitmap_gradient_rectangle", bitmap_gradient_rectangle);
    benchmark::RegisterBenchmark("bitmap_screen_of_text", bitmap_screen_of_text);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (toolkit) wxEntryCleanup();
  return 0;
}
