// A full repaint of a 984 x 728 main text view full of coloured text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "display/text_painter.h"
#include "util/random.h"

namespace {

// Glyphs of an 8-point font: 5 to 8 pixels wide, 13 high, about a third of the pixels covered.
glyph_table text_font() {
  glyph_table font;
  quor_random random;
  random.random_seed(3);
  for (int c = 32; c <= 126; c++) {
    glyph_coverage g;
    g.width = 5 + c % 4;
    g.height = 13;
    g.coverage.resize(g.width * g.height);
    for (auto& v : g.coverage) v = c == ' ' || random.random_below(3) ? 0 : (uint8_t)(64 + random.random_below(192));
    font.set((unsigned char)c, g);
  }
  return font;
}

void BM_FullRepaint(benchmark::State& state) {
  glyph_table font = text_font();
  text_store store;
  int widths[256];
  for (int i = 0; i < 256; i++) widths[i] = font.width((unsigned char)i);
  store.set_char_widths(widths, font.line_height());
  store.set_window_size(984, 728);
  quor_random random;
  random.random_seed(4);
  for (int n = 0; n < 2000; n++) {
    std::string line;
    for (int w = 0; w < 30; w++) {
      store.set_text_colors(quor_rgb(random.random_below(256), 200, 100), color_black);
      line.clear();
      for (int i = 2 + random.random_below(6); i > 0; i--) line += (char)('a' + random.random_below(26));
      line += ' ';
      store.append_text(line.c_str());
    }
    store.append_text("\n");
  }
  std::vector<uint8_t> pixels(984 * 728 * 4);
  pixel_view view{pixels.data(), 984, 728, 984 * 4};
  text_selection selection;
  selection.active = true;
  selection.start = text_position{store.line_count() - 10, 5};
  selection.end = text_position{store.line_count() - 5, 20};
  for (auto _ : state) {
    paint_text_view(store, selection, font, view);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.counters["lines_shown"] = 728 / font.line_height() + 1;
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
