#include "app/command_history.h"

#include <gtest/gtest.h>

#include <string>

namespace {

edit_line at_end(const std::wstring& text) { return edit_line{text, text.size()}; }

TEST(command_history, FirstSetOffersConnect) {
  command_history history;
  EXPECT_EQ(history.active_set(), 0);
  edit_line line;
  history.history_up(line);
  EXPECT_EQ(line.text, L"connect");
  EXPECT_EQ(line.cursor, 7u);
  // Nothing beyond it.
  history.history_up(line);
  EXPECT_EQ(line.text, L"connect");
  for (int set : {1, 2}) {
    history.select_history(set);
    edit_line empty;
    history.history_up(empty);
    EXPECT_EQ(empty.text, L"");
  }
}

TEST(command_history, DuplicatesAreStoredOnce) {
  command_history history;
  history.select_history(1);
  history.history_store("look");
  history.history_store("look");
  ASSERT_NE(history.entry(2), nullptr);
  EXPECT_EQ(*history.entry(2), L"look");
  EXPECT_EQ(history.entry(3), nullptr);
  history.history_store("Look");
  history.history_store("look");
  EXPECT_EQ(*history.entry(2), L"look");
  EXPECT_EQ(*history.entry(3), L"Look");
  EXPECT_EQ(*history.entry(4), L"look");
}

TEST(command_history, KeepsTheNewest98AndUpStopsThere) {
  command_history history;
  history.select_history(2);
  for (int i = 1; i <= 100; i++) history.history_store("cmd" + std::to_string(i));
  EXPECT_EQ(*history.entry(2), L"cmd100");
  EXPECT_EQ(*history.entry(99), L"cmd3");
  edit_line line;
  for (int i = 0; i < 150; i++) history.history_up(line);
  EXPECT_EQ(line.text, L"cmd3");
  EXPECT_EQ(history.position(), 99);
}

TEST(command_history, DownSavesThenClearsAndUpBringsItBack) {
  command_history history;
  history.select_history(1);
  history.history_store("first");
  edit_line line = at_end(L"half typed");
  history.history_down(line);
  EXPECT_EQ(line.text, L"");
  EXPECT_EQ(history.position(), 0);
  line.text = L"something else";
  line.cursor = line.text.size();
  history.history_down(line);
  EXPECT_EQ(line.text, L"");
  history.history_up(line);
  EXPECT_EQ(line.text, L"half typed");
  history.history_up(line);
  EXPECT_EQ(line.text, L"first");
  history.history_down(line);
  EXPECT_EQ(line.text, L"half typed");
}

TEST(command_history, UpKeepsTheTypedLine) {
  command_history history;
  history.select_history(1);
  history.history_store("a");
  history.history_store("b");
  edit_line line = at_end(L"typing");
  history.history_up(line);
  EXPECT_EQ(line.text, L"b");
  history.history_up(line);
  EXPECT_EQ(line.text, L"a");
  history.history_down(line);
  history.history_down(line);
  EXPECT_EQ(line.text, L"typing");
}

TEST(command_history, CursorWalksInsideMultiLineText) {
  command_history history;
  history.select_history(1);
  history.history_store("older");
  edit_line line{L"one\ntwo\nthree", 10};
  history.history_up(line);
  EXPECT_EQ(line.text, L"one\ntwo\nthree");
  EXPECT_EQ(line.cursor, 7u);
  history.history_up(line);
  EXPECT_EQ(line.cursor, 3u);
  history.history_up(line);
  EXPECT_EQ(line.cursor, 0u);
  history.history_down(line);
  EXPECT_EQ(line.cursor, 4u);
  history.history_down(line);
  EXPECT_EQ(line.cursor, 8u);
  history.history_down(line);
  EXPECT_EQ(line.cursor, line.text.size());
  history.history_up(line);
  EXPECT_EQ(line.text, L"older");
}

TEST(command_history, HiddenInputIsNotStored) {
  command_history history;
  history.select_history(1);
  history.set_hidden_input(true);
  history.history_store("password");
  EXPECT_EQ(history.entry(2), nullptr);
  history.set_hidden_input(false);
  history.history_store("look");
  EXPECT_EQ(*history.entry(2), L"look");
}

TEST(command_history, SetsKeepTheirEntriesAndPositions) {
  command_history history;
  history.select_history(1);
  history.history_store("connected");
  edit_line line;
  history.history_up(line);
  EXPECT_EQ(history.position(), 2);
  history.select_history(2);
  EXPECT_EQ(history.position(), 1);
  EXPECT_EQ(history.entry(2), nullptr);
  history.select_history(1);
  EXPECT_EQ(history.position(), 2);
  EXPECT_EQ(*history.entry(2), L"connected");
  history.select_history(7);
  EXPECT_EQ(history.active_set(), 1);
}

TEST(command_history, ListingIsOldestFirstNumberedFromTheNewest) {
  command_history history;
  history.select_history(1);
  EXPECT_EQ(history.format_history(), "\nRecent Command History:\n");
  history.history_store("north");
  history.history_store("south");
  EXPECT_EQ(history.format_history(), "\nRecent Command History:\n 2 - north\n 1 - south\n");
  for (int i = 0; i < 40; i++) history.history_store(std::to_string(i));
  std::string listing = history.format_history();
  EXPECT_NE(listing.find("\n19 - 21"), std::string::npos);
  EXPECT_NE(listing.find("\n 1 - 39\n"), std::string::npos);
  EXPECT_EQ(listing.find("20 - "), std::string::npos);
}

}  // namespace
