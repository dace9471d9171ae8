#include "display/text_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/text_test_support.h"
#include "util/random.h"

namespace {

using lines = std::vector<std::string>;

struct store_fixture : ::testing::Test {
  text_store store;
  void SetUp() override {
    set_fixed_widths(store, 10, 12);
    store.set_window_size(100, 120);
  }
};

TEST_F(store_fixture, LeadingNewlinesAreDroppedOnlyAtStart) {
  store.append_text("\n\nabc\n\ndef");
  EXPECT_EQ(all_lines(store), (lines{"abc|", "|", "def"}));
  store.clear_text();
  store.append_text("\nx");
  EXPECT_EQ(all_lines(store), (lines{"x"}));
}

TEST_F(store_fixture, AnEmptyAppendEndsTheStart) {
  store.append_text("");
  store.append_text("\nx");
  EXPECT_EQ(all_lines(store), (lines{"|", "x"}));
}

TEST_F(store_fixture, TabsExpandToStopsOfEightAcrossAppends) {
  store.set_window_size(1000, 120);
  store.append_text("a\tb\n");
  store.append_text("12345678\tx\n");
  store.append_text("abc");
  store.append_text("\ty\r\tz");
  EXPECT_EQ(line_text(store, 0), "a       b");
  EXPECT_EQ(line_text(store, 1), "12345678        x");
  EXPECT_EQ(line_text(store, 2), "abc     y\r        z");
}

TEST_F(store_fixture, HighBytesAreTransliterated) {
  store.set_window_size(1000, 120);
  text_store::append_result r = store.append_text("caf\xe9 \x93quoted\x94 \x80 \xa6 \xff");
  EXPECT_EQ(line_text(store, 0), "cafe \"quoted\" E | y");
  EXPECT_FALSE(r.verbatim);
  EXPECT_TRUE(store.append_text(" plain").verbatim);
}

TEST_F(store_fixture, WrapsAfterTheLastSpaceThatFitsAndTreatsExactlyTheWidthAsTooWide) {
  // The tenth character would reach exactly 100 pixels.
  store.append_text("aaaa bbbb cccc");
  EXPECT_EQ(all_lines(store), (lines{"aaaa ", "bbbb cccc"}));
  store.clear_text();
  store.append_text("123456789");  // 90 pixels: fits
  EXPECT_EQ(all_lines(store), (lines{"123456789"}));
  store.append_text("0");  // exactly 100 pixels: too wide, cut inside the word
  EXPECT_EQ(all_lines(store), (lines{"123456789", "0"}));
}

TEST_F(store_fixture, AnOverlongWordIsCutRepeatedly) {
  store.append_text(std::string(25, 'w').c_str());
  EXPECT_EQ(all_lines(store), (lines{"wwwwwwwww", "wwwwwwwww", "wwwwwww"}));
  store.append_text(" tail\n");
  EXPECT_EQ(all_lines(store), (lines{"wwwwwwwww", "wwwwwwwww", "wwwwwww ", "tail|", ""}));
}

TEST_F(store_fixture, LeadingSpacesStayOnTheLowerLine) {
  store.append_text("abcdefgh   xyz");
  EXPECT_EQ(all_lines(store), (lines{"abcdefgh ", "  xyz"}));
}

TEST_F(store_fixture, AColouredRunKeepsItsColourOnBothSidesOfABreak) {
  store.set_text_colors(quor_rgb(1, 2, 3), color_black);
  store.append_text("aa ");
  store.set_text_colors(quor_rgb(200, 0, 0), color_black);
  store.append_text("bb cccccc dd");
  std::vector<std::pair<std::string, quor_rgb>> pieces;
  for (int n = 0; n <= 1; n++) {
    text_line line;
    ASSERT_TRUE(store.get_line(n, &line));
    store.for_each_piece(line, [&](const char* t, int len, quor_rgb c) { pieces.push_back({std::string(t, len), c}); });
  }
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].first, "aa ");
  EXPECT_EQ(pieces[0].second, quor_rgb(1, 2, 3));
  EXPECT_EQ(pieces[1].first, "bb ");
  EXPECT_EQ(pieces[1].second, quor_rgb(200, 0, 0));
  EXPECT_EQ(pieces[2].first, "cccccc dd");
  EXPECT_EQ(pieces[2].second, quor_rgb(200, 0, 0));
}

TEST_F(store_fixture, OnlyTheLastDisplayLineOfALogicalLineIsHard) {
  store.append_text("aaaa bbbb cccc dddd\nnext\n");
  text_line line;
  ASSERT_TRUE(store.get_line(0, &line));
  EXPECT_FALSE(line.hard_newline);
  ASSERT_TRUE(store.get_line(2, &line));
  EXPECT_EQ(std::string(line.text, line.length), "cccc dddd");
  EXPECT_TRUE(line.hard_newline);
  EXPECT_FALSE(store.get_line(-1, &line));
  EXPECT_FALSE(store.get_line(store.line_count() + 1, &line));
}

TEST_F(store_fixture, RewrapsOnWidthChangeButNotOnHeightChange) {
  store.append_text("aaaa bbbb cccc\n");
  EXPECT_EQ(store.line_count(), 2);
  store.set_window_size(100, 500);
  EXPECT_EQ(store.line_count(), 2);
  store.set_window_size(200, 500);
  EXPECT_EQ(all_lines(store), (lines{"aaaa bbbb cccc|", ""}));
  store.set_window_size(60, 500);
  EXPECT_EQ(all_lines(store), (lines{"aaaa ", "bbbb ", "cccc|", ""}));
}

TEST_F(store_fixture, ANewFontRewrapsWithItsWidths) {
  store.append_text("aaaa bbbb cccc");
  set_fixed_widths(store, 5, 12);
  EXPECT_EQ(all_lines(store), (lines{"aaaa bbbb cccc"}));
  set_fixed_widths(store, 12, 12);
  EXPECT_EQ(all_lines(store), (lines{"aaaa ", "bbbb ", "cccc"}));
}

TEST_F(store_fixture, WrappingOffKeepsLinesWhole) {
  store.set_wrapping(false);
  store.append_text("aaaa bbbb cccc dddd");
  EXPECT_EQ(store.line_count(), 0);
  store.set_wrapping(true);
  store.rewrap();
  EXPECT_EQ(store.line_count(), 2);
}

TEST_F(store_fixture, AWindowNarrowerThanOneCharacterDoesNotWrap) {
  store.set_window_size(8, 100);
  store.append_text("abc def\nxy");
  EXPECT_EQ(all_lines(store), (lines{"abc def|", "xy"}));
}

TEST_F(store_fixture, BytesOutsideThePrintableRangeTakeNoSpace) {
  store.append_text("\x1c\x1d\x1e\x1f" "123456789");
  EXPECT_EQ(store.line_count(), 0);
  text_line line;
  store.get_line(0, &line);
  EXPECT_EQ(store.text_width(line.text, line.length), 90);
}

TEST_F(store_fixture, KeepsEveryLineReadablePastTheFirstLineBlock) {
  store.set_window_size(1000, 100);
  const int count = 70000;
  for (int i = 0; i < count; i++) store.append_text(("line " + std::to_string(i) + "\n").c_str());
  EXPECT_EQ(store.line_count(), count);
  EXPECT_EQ(line_text(store, 0), "line 0");
  EXPECT_EQ(line_text(store, 65535), "line 65535");
  EXPECT_EQ(line_text(store, 65536), "line 65536");
  EXPECT_EQ(line_text(store, count - 1), "line 69999");
  EXPECT_EQ(store.view_line, count);
}

TEST_F(store_fixture, HeldOrTopDownViewsDoNotFollowNewLines) {
  store.hold = true;
  store.append_text("a\nb\nc\n");
  EXPECT_EQ(store.view_line, 0);
  store.hold = false;
  store.append_text("d\n");
  EXPECT_EQ(store.view_line, 4);
  store.top_down = true;
  store.append_text("e\n");
  EXPECT_EQ(store.view_line, 4);
}

TEST_F(store_fixture, AppendsAreCutAtTheLimit) {
  store.set_window_size(1 << 30, 100);
  std::string big(7000, 'x');
  text_store::append_result r = store.append_text(big.c_str());
  EXPECT_EQ(r.length, (uint32_t)text_store::max_append);
  EXPECT_FALSE(r.verbatim);
  EXPECT_EQ(line_text(store, 0).size(), (size_t)text_store::max_append);
}

TEST_F(store_fixture, ClearEmptiesEverything) {
  store.append_text("one\ntwo\n");
  store.clear_text();
  EXPECT_EQ(store.line_count(), 0);
  EXPECT_EQ(line_text(store, 0), "");
  EXPECT_EQ(store.stored_bytes(), 0u);
  store.append_text("\nthree");
  EXPECT_EQ(all_lines(store), (lines{"three"}));
}

// Rewrapping must give exactly the lines that appending the same text at that width gives,
// however the text was cut into appends and whatever width it was first laid out at.
TEST(text_store_rewrap, MatchesAFreshLayoutForRandomText) {
  quor_random random;
  random.random_seed(12345);
  int widths[256];
  for (int i = 0; i < 256; i++) widths[i] = 3 + (i % 7);
  const char alphabet[] = "abc de fghij  klm\n\x1f.,";
  for (int round = 0; round < 40; round++) {
    std::string text;
    int n = 50 + random.random_below(600);
    for (int i = 0; i < n; i++) text += alphabet[random.random_below(sizeof alphabet - 1)];
    int first_width = 5 + random.random_below(120);
    int second_width = 5 + random.random_below(120);

    text_store pieces;
    pieces.set_char_widths(widths, 10);
    pieces.set_window_size(first_width, 100);
    for (size_t at = 0; at < text.size();) {
      size_t len = 1 + random.random_below(30);
      std::string part = text.substr(at, len);
      pieces.append_text(part.c_str());
      at += len;
    }
    pieces.set_window_size(second_width, 100);

    text_store whole;
    whole.set_char_widths(widths, 10);
    whole.set_window_size(second_width, 100);
    whole.append_text(text.c_str());
    ASSERT_EQ(all_lines(pieces), all_lines(whole)) << "round " << round << " widths " << first_width << " -> "
                                                   << second_width;
    ASSERT_EQ(pieces.view_line, whole.view_line);
  }
}

}  // namespace
