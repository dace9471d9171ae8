#include "util/words.h"

#include <gtest/gtest.h>

#include <string>

TEST(Words, NextArgWalksThroughWords) {
  EXPECT_STREQ(next_arg("  one   two"), "two");
  EXPECT_EQ(next_arg("single"), nullptr);
  EXPECT_EQ(next_arg(""), nullptr);
  EXPECT_EQ(next_arg(nullptr), nullptr);
  const char* payload = "a\tb\nc";
  const char* second = next_arg(payload);
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second, "b\nc");
  EXPECT_STREQ(next_arg(second), "c");
  EXPECT_EQ(next_arg(next_arg(second)), nullptr);
}

TEST(Words, LastArg) {
  EXPECT_STREQ(last_arg("one two three"), "three");
  EXPECT_STREQ(last_arg("one"), "one");
  EXPECT_STREQ(last_arg("one two  "), "two  ");
  EXPECT_EQ(last_arg(nullptr), nullptr);
}

TEST(Words, ParseIntTable) {
  struct {
    const char* text;
    bool accepted;
    int value;
  } cases[] = {
      {"42", true, 42},  {"+7", true, 7},   {"-3", true, -3}, {"+", true, 0},      {"12abc", true, 12},
      {"-", false, 0},   {"x1", false, 0},  {" 5", false, 0}, {nullptr, false, 0}, {"99999999999", true, 2147483647},
  };
  for (const auto& c : cases) {
    int out = -999;
    EXPECT_EQ(parse_int(c.text, &out), c.accepted) << (c.text ? c.text : "null");
    EXPECT_EQ(out, c.accepted ? c.value : -999) << (c.text ? c.text : "null");
  }
}

TEST(Words, WordEqualTable) {
  struct {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"Connect", "connect now", true}, {"con", "connect", false}, {"ON", "on", true},  {"on\n", "on", true},
      {"", "", true},                   {"a", "", false},          {nullptr, "a", false}, {"off", "on", false},
  };
  for (const auto& c : cases) EXPECT_EQ(word_equal(c.a, c.b), c.equal) << (c.a ? c.a : "null") << " vs " << c.b;
  std::string long_a(500, 'x'), long_b(500, 'x');
  long_b[450] = 'y';
  EXPECT_TRUE(word_equal(long_a.c_str(), long_b.c_str())) << "only 400 characters are compared";
}

TEST(Words, AbbreviationAndPrefixTable) {
  struct {
    const char* input;
    const char* keyword;
    int minimum;
    int result;
  } cases[] = {
      {"//b", "//break", 3, 3},      {"//br", "//break", 3, 4},  {"//break", "//break", 3, 7},
      {"//", "//break", 3, 0},       {"//bx", "//break", 3, 0},  {"//BREAK now", "//break", 3, 7},
      {"//breaks", "//break", 3, 0}, {"", "//break", 3, 0},      {"q", "quit", 0, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(word_abbrev(c.input, c.keyword, c.minimum), c.result) << c.input << " / " << c.keyword;
  EXPECT_EQ(word_prefix("CON x", "connect"), 3);
  EXPECT_EQ(word_prefix("cont", "connect"), 0);
  EXPECT_EQ(word_prefix("", "connect"), 0);
  EXPECT_TRUE(word_in_list("Exit", "quit exit"));
  EXPECT_FALSE(word_in_list("ex", "quit exit"));
}
