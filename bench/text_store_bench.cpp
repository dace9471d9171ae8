// The text display's store: received coloured text through the ANSI parser into the store,
// rewrapping a long backscroll, its memory per stored byte, and the stress fill.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

#include "display/ansi_text_model.h"
#include "display/glob_match.h"
#include "util/random.h"

namespace {

// Glyph widths of a proportional 8-point text font (5 to 8 pixels, about 6.5 on average).
void set_text_font_widths(text_store& store) {
  int widths[256];
  for (int i = 0; i < 256; i++) widths[i] = 5 + (i * 3) % 4;
  widths[' '] = 5;
  store.set_char_widths(widths, 13);
}

// Game text: lines of 40 to 120 characters (one in eight of 150-200, which wrap at 980 pixels),
// a colour change every two or three words.
std::string coloured_game_text(size_t bytes) {
  quor_random random;
  random.random_seed(99);
  static const char* colours[] = {"\x1b[0m", "\x1b[1m\x1b[33m", "\x1b[32m", "\x1b[36m", "\x1b[1m\x1b[37m", "\x1b[31m"};
  std::string text;
  while (text.size() < bytes) {
    int length = random.random_below(8) == 0 ? 150 + random.random_below(50) : 40 + random.random_below(80);
    int written = 0;
    int words = 0;
    while (written < length) {
      if (words++ % (2 + random.random_below(2)) == 0) text += colours[random.random_below(6)];
      int word = 2 + random.random_below(8);
      for (int i = 0; i < word; i++) text += (char)('a' + random.random_below(26));
      text += ' ';
      written += word + 1;
    }
    text += "\r\n";
  }
  return text;
}

// The main window's line hook: the trigger pattern runs on every line.
struct main_window_model : ansi_text_model {
  using ansi_text_model::ansi_text_model;
  void line_received(const char* line) override { triggers += is_map_rebuild_request(line); }
  int triggers = 0;
};

struct display_under_test {
  text_store store;
  text_scroll_hooks hooks;
  text_scroll scroll{store, hooks};
  main_window_model model{store, scroll};
  display_under_test() {
    set_text_font_widths(store);
    store.set_window_size(980, 728);
  }
  // Fed in the blocks the connection reads.
  void feed(const std::string& text) {
    for (size_t at = 0; at < text.size(); at += 2560) {
      int n = (int)(text.size() - at < 2560 ? text.size() - at : 2560);
      model.display_socket_data(text.data() + at, n);
    }
  }
};

void BM_ColouredTextThroughParserIntoStore(benchmark::State& state) {
  const std::string text = coloured_game_text(8 << 20);
  for (auto _ : state) {
    state.PauseTiming();
    auto display = std::make_unique<display_under_test>();
    state.ResumeTiming();
    display->feed(text);
    benchmark::DoNotOptimize(display->store.line_count());
    state.PauseTiming();
    display.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)text.size());
}
BENCHMARK(BM_ColouredTextThroughParserIntoStore)->Unit(benchmark::kMillisecond);

long resident_bytes() {
  long pages = 0, resident = 0;
  FILE* f = fopen("/proc/self/statm", "r");
  if (!f) return 0;
  if (fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
  fclose(f);
  return resident * sysconf(_SC_PAGESIZE);
}

// One million lines of 80 characters: plain (one colour per line) and coloured
// (a colour change every two or three words), through the whole display path.
std::string eighty_character_lines(int count, bool coloured) {
  quor_random random;
  random.random_seed(5);
  static const char* colours[] = {"\x1b[0m", "\x1b[33m", "\x1b[32m", "\x1b[36m", "\x1b[1m", "\x1b[31m"};
  std::string text;
  text.reserve((size_t)count * (coloured ? 110 : 86));
  for (int n = 0; n < count; n++) {
    if (!coloured) text += colours[n % 6];
    int written = 0, words = 0;
    while (written < 80) {
      if (coloured && words++ % 3 == 0) text += colours[random.random_below(6)];
      int word = 2 + random.random_below(8);
      if (written + word + 1 > 80) word = 80 - written - 1;
      for (int i = 0; i < word; i++) text += (char)('a' + random.random_below(26));
      text += written + word + 1 < 80 ? ' ' : '.';
      written += word + 1;
    }
    text += '\n';
  }
  return text;
}

void BM_ResidentMemoryPerStoredByte(benchmark::State& state) {
  const bool coloured = state.range(0) != 0;
  std::string text = eighty_character_lines(1000000, coloured);
  for (auto _ : state) {
    long before = resident_bytes();
    auto display = std::make_unique<display_under_test>();
    display->feed(text);
    long after = resident_bytes();
    double stored = (double)display->store.stored_bytes();
    state.counters["lines"] = display->store.line_count();
    state.counters["stored_MB"] = stored / 1e6;
    state.counters["bytes_per_stored_byte"] = (double)(after - before) / stored;
    state.counters["runs_recorded"] = (double)display->model.render_record_count();
    // Text bytes are lines of 80 plus the newline.
    state.counters["bytes_per_text_byte"] = (double)(after - before) / (1000000.0 * 80);
  }
}
BENCHMARK(BM_ResidentMemoryPerStoredByte)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_RewrapMillionLines(benchmark::State& state) {
  display_under_test display;
  display.feed(eighty_character_lines(1000000, true));
  int width = 980;
  for (auto _ : state) {
    width = width == 980 ? 300 : 980;  // 80 characters (about 520 pixels) wrap at 300: every line is broken
    display.store.set_window_size(width, 728);
    benchmark::DoNotOptimize(display.store.line_count());
  }
  display.store.set_window_size(300, 728);
  state.counters["lines_at_300"] = display.store.line_count();
}
BENCHMARK(BM_RewrapMillionLines)->Unit(benchmark::kMillisecond);

void BM_RewrapMillionLinesWithoutBreaks(benchmark::State& state) {
  display_under_test display;
  display.feed(eighty_character_lines(1000000, true));
  int width = 980;
  for (auto _ : state) {
    width = width == 980 ? 900 : 980;
    display.store.set_window_size(width, 728);
    benchmark::DoNotOptimize(display.store.line_count());
  }
}
BENCHMARK(BM_RewrapMillionLinesWithoutBreaks)->Unit(benchmark::kMillisecond);

void BM_DebugFill(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto display = std::make_unique<display_under_test>();
    quor_random random;
    random.random_seed(1);
    state.ResumeTiming();
    display->model.debug_fill(random);
    state.PauseTiming();
    display.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DebugFill)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
