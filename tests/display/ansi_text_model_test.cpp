#include "display/ansi_text_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/ansi_palette.h"
#include "display/text_test_support.h"
#include "support/log_capture.h"
#include "util/debug_log.h"
#include "util/random.h"

namespace {

// Records what reaches the store and the line hook.
class recording_model : public ansi_text_model {
 public:
  recording_model(text_store& store, text_scroll& scroll) : ansi_text_model(store, scroll) {}
  void line_received(const char* line) override {
    received.push_back(line);
    if (echo) output_text("echo\n");
  }
  std::vector<std::string> received;
  bool echo = false;
};

struct model_fixture : ::testing::Test {
  text_store store;
  text_scroll_hooks hooks;
  text_scroll scroll{store, hooks};
  recording_model model{store, scroll};
  void SetUp() override {
    debug_level = 3;
    set_ansi_scheme(ansi_scheme_default);
    set_fixed_widths(store, 10, 10);
    store.set_window_size(100000, 100);
  }
  void feed(const std::string& bytes) { model.display_socket_data(bytes.data(), (int)bytes.size()); }
  // Colour of the character at offset on line n.
  quor_rgb color_at(int n, int offset) {
    text_line line;
    EXPECT_TRUE(store.get_line(n, &line));
    quor_rgb found;
    int at = 0;
    store.for_each_piece(line, [&](const char*, int len, quor_rgb c) {
      if (offset >= at && offset < at + len) found = c;
      at += len;
    });
    return found;
  }
};

struct color_case {
  const char* bytes;
  int palette_entry;
};

TEST_F(model_fixture, EscapeSequencesChooseThePaletteEntry) {
  const color_case cases[] = {
      {"\x1b[1m\x1b[33mword\n", 8},   // bright yellow
      {"\x1b[0mword\n", 22},          // default normal
      {"\x1b[2m\x1b[37mword\n", 0},   // dim white
      {"\x1b[31mword\n", 4},          // red keeps the normal attribute
      {"\x1b[1m\x1b[7m\x1b[34mword\n", 16},  // reverse replaces bright
      {"\x1b[1m\x1b[22m\x1b[36mword\n", 13},  // 22 clears bright
      {"\x1b[5m\x1b[35mword\n", 19},  // blink looks normal
      {"\x1b[1mword\n", 23},          // bright default
  };
  for (const color_case& c : cases) {
    store.clear_text();
    model.process_ansi_code(0, 'm');
    feed(c.bytes);
    EXPECT_EQ(color_at(0, 0), quor_rgb::from_value(ansi_palettes[0][c.palette_entry])) << c.bytes + 1;
  }
}

TEST_F(model_fixture, OnlyOneParameterPerSequenceIsUnderstood) {
  log_capture log;
  feed("\x1b[32mA\x1b[1;32mB\n");
  EXPECT_TRUE(log.contains("process_ansi_code(2) - ignoring unhandled code 59.\n"));
  EXPECT_EQ(line_text(store, 0), "A32mB");
  EXPECT_EQ(color_at(0, 1), quor_rgb::from_value(ansi_palettes[0][10]));
}

TEST_F(model_fixture, UnknownColourCodesAreLoggedAndChangeNothing) {
  log_capture log;
  feed("\x1b[32m\x1b[30mA\x1b[41mB\n");
  EXPECT_TRUE(log.contains("bad value '48'"));
  EXPECT_TRUE(log.contains("bad value '65'"));
  EXPECT_EQ(color_at(0, 0), quor_rgb::from_value(ansi_palettes[0][10]));
  EXPECT_EQ(color_at(0, 1), quor_rgb::from_value(ansi_palettes[0][10]));
}

TEST_F(model_fixture, ReverseTurnsTheWholeBackgroundGrey) {
  feed("\x1b[7mx");
  EXPECT_EQ(store.background_now, color_grey64);
  feed("\x1b[0my");
  EXPECT_EQ(store.background_now, color_black);
}

TEST_F(model_fixture, ASequenceSplitAnywhereParsesAsIfWhole) {
  const std::string stream = "ab\x1b[1m\x1b[31mred\x1b[0m plain\x1b[7mrev\n\x1b[36mc\xe9y\x1b" "cX";
  text_store whole_store;
  set_fixed_widths(whole_store, 10, 10);
  whole_store.set_window_size(100000, 100);
  text_scroll whole_scroll(whole_store, hooks);
  recording_model whole(whole_store, whole_scroll);
  whole.display_socket_data(stream.data(), (int)stream.size());
  for (size_t cut = 0; cut <= stream.size(); cut++) {
    store.clear_text();
    model.clear_display();
    feed(stream.substr(0, cut));
    feed(stream.substr(cut));
    ASSERT_EQ(all_lines(store), all_lines(whole_store)) << "cut at " << cut;
    for (int n = 0; n <= store.line_count(); n++)
      for (int i = 0; i < (int)line_text(store, n).size(); i++) ASSERT_EQ(color_at(n, i), [&] {
          text_line line;
          whole_store.get_line(n, &line);
          quor_rgb found;
          int at = 0;
          whole_store.for_each_piece(line, [&](const char*, int len, quor_rgb c) {
            if (i >= at && i < at + len) found = c;
            at += len;
          });
          return found;
        }()) << "cut " << cut;
  }
}

TEST_F(model_fixture, ControlAndHighBytes) {
  feed(std::string("a\xe9" "b\rc\x07" "d\x1c\x1f" "e\x7f" "f\tg\n", 15));
  EXPECT_EQ(line_text(store, 0), "a.bcd\x1c\x1f" "ef       g");
}

TEST_F(model_fixture, TerminalResetScrollsOldTextAway) {
  feed("old\x1b" "cnew");
  // 10 visible lines of 10 pixels in a 100-pixel window: 21 newlines.
  EXPECT_EQ(store.line_count(), 21);
  EXPECT_EQ(line_text(store, 21), "new");
  EXPECT_EQ(color_at(21, 0), quor_rgb::from_value(ansi_palettes[0][1]));
}

TEST_F(model_fixture, LongTextReachesTheDisplayInPiecesOf256) {
  struct piece_model : ansi_text_model {
    using ansi_text_model::ansi_text_model;
    void output_text(const char* text, int length) override {
      if (length) sizes.push_back(length);
      ansi_text_model::output_text(text, length);
    }
    std::vector<int> sizes;
  } pieces(store, scroll);
  std::string text(300, 'x');
  pieces.display_socket_data(text.data(), (int)text.size());
  EXPECT_EQ(pieces.sizes, (std::vector<int>{256, 44}));
  pieces.rerender();
  ASSERT_EQ(pieces.render_record_count(), 1u);
  EXPECT_EQ(pieces.get_render_record(0).length, 300);
}

TEST_F(model_fixture, RunsAreRecordedPerColourInArrivalOrder) {
  feed("\x1b[31mred \x1b[32mgreen\x1b[32m more\n\x1b[1m\x1b[32mbright\n");
  model.rerender();
  ASSERT_EQ(model.render_record_count(), 3u);
  auto r0 = model.get_render_record(0), r1 = model.get_render_record(1), r2 = model.get_render_record(2);
  EXPECT_EQ(std::string(r0.text, r0.length), "red ");
  EXPECT_EQ(r0.color_index, 0x31);
  EXPECT_EQ(std::string(r1.text, r1.length), "green more\n");
  EXPECT_EQ(r1.color, quor_rgb::from_value(ansi_palettes[0][10]));
  EXPECT_EQ(std::string(r2.text, r2.length), "bright\n");
  EXPECT_EQ(r2.attributes, 4);
}

TEST_F(model_fixture, SuspendedTextIsRecordedAndShownOnResume) {
  model.suspend_updates();
  feed("\x1b[31mhidden\n\x1b[32mtoo");
  EXPECT_EQ(store.line_count(), 0);
  EXPECT_EQ(line_text(store, 0), "");
  EXPECT_TRUE(model.resume_updates());
  EXPECT_EQ(all_lines(store), (std::vector<std::string>{"hidden|", "too"}));
  EXPECT_EQ(color_at(0, 0), quor_rgb::from_value(ansi_palettes[0][4]));
  EXPECT_EQ(color_at(1, 0), quor_rgb::from_value(ansi_palettes[0][10]));
  log_capture log;
  EXPECT_FALSE(model.resume_updates());
  EXPECT_TRUE(log.contains("Error in quor_ansi_display::resume_updates(), updates were not suspended?\n"));
}

TEST_F(model_fixture, ColourChangedWhileSuspendedAppliesAfterResume) {
  model.suspend_updates();
  feed("\x1b[31mred\x1b[32m");
  model.resume_updates();
  feed("green");
  EXPECT_EQ(color_at(0, 3), quor_rgb::from_value(ansi_palettes[0][10]));
}

TEST_F(model_fixture, SwitchingThePaletteRecoloursNothingAlreadyWritten) {
  feed("\x1b[31mred\n");
  set_ansi_scheme(ansi_scheme_zmud);
  feed("\x1b[32mgreen\n");
  model.rerender();
  EXPECT_EQ(color_at(0, 0), quor_rgb::from_value(ansi_palettes[0][4]));
  EXPECT_EQ(color_at(1, 0), quor_rgb::from_value(ansi_palettes[2][10]));
  set_ansi_scheme(ansi_scheme_default);
}

TEST_F(model_fixture, ReplayTurnsOtherCodePointsIntoDots) {
  model.output_text("caf\xc3\xa9 \xff!\x1c\n");
  EXPECT_EQ(line_text(store, 0), "cafAC y!\x1c");  // shown live through transliteration
  model.rerender();
  EXPECT_EQ(line_text(store, 0), "caf. .!.");
}

TEST_F(model_fixture, ALongRunIsReplayedWhole) {
  std::string text(8000, 'z');
  model.output_text(text.c_str());
  model.rerender();
  EXPECT_EQ(line_text(store, 0).size(), 8000u);
}

TEST_F(model_fixture, LinesAreAssembledAcrossPieces) {
  feed("first li");
  feed("ne\nsecond\n\x1b[31mpro");
  EXPECT_EQ(model.received, (std::vector<std::string>{"first line", "second"}));
  EXPECT_TRUE(model.has_partial_line());
  model.flush_partial_line();
  EXPECT_EQ(model.received.back(), "pro");
  EXPECT_FALSE(model.has_partial_line());
}

TEST_F(model_fixture, TextPrintedDuringALineCallbackIsNotFedBack) {
  model.echo = true;
  feed("look\n");
  EXPECT_EQ(model.received, (std::vector<std::string>{"look"}));
  EXPECT_EQ(all_lines(store), (std::vector<std::string>{"look|", "echo|", ""}));
}

TEST_F(model_fixture, OverlongLinesAreCutForTheHook) {
  std::string text(7000, 'q');
  feed(text + "\n");
  ASSERT_EQ(model.received.size(), 1u);
  EXPECT_EQ(model.received[0].size(), 5999u);
}

TEST_F(model_fixture, ClearDisplayForgetsRunsAndResetsToWhite) {
  feed("\x1b[31mred\n");
  model.clear_display();
  EXPECT_EQ(model.render_record_count(), 0u);
  EXPECT_EQ(store.stored_bytes(), 0u);
  feed("white");
  EXPECT_EQ(color_at(0, 0), quor_rgb::from_value(ansi_palettes[0][1]));
}

TEST_F(model_fixture, TheNewTextFlagIsSetByReceivedData) {
  EXPECT_FALSE(model.take_new_text());
  feed("x");
  EXPECT_TRUE(model.take_new_text());
  EXPECT_FALSE(model.take_new_text());
  model.display_socket_data("y", 0);
  EXPECT_FALSE(model.take_new_text());
}

TEST_F(model_fixture, DebugFillWritesItsLinesAndSummary) {
  quor_random random;
  random.random_seed(7);
  ansi_text_model::fill_figures figures = model.debug_fill(random);
  EXPECT_EQ(store.line_count(), 100001);
  EXPECT_GT(figures.characters, 100000L);
  char summary[80];
  snprintf(summary, sizeof summary, "%ld characters written (%ld kb).", figures.characters, figures.characters / 1000);
  EXPECT_EQ(line_text(store, 100000), summary);
  EXPECT_EQ(model.render_record_count(), 0u);
  // Words count down from 'a' + n: "cb " is a word of two letters.
  std::string first = line_text(store, 0) + line_text(store, 1);
  EXPECT_EQ(first.find_first_not_of("abcdefghijk "), std::string::npos);
}

}  // namespace
