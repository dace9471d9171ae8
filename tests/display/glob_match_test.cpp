#include "display/glob_match.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(glob_match, TheRebuildTrigger) {
  EXPECT_TRUE(is_map_rebuild_request("Vandrel imms: rebuild please"));
  EXPECT_TRUE(is_map_rebuild_request(" imms: rebuild please"));
  EXPECT_TRUE(is_map_rebuild_request("a imms: b imms: rebuild please"));
  EXPECT_FALSE(is_map_rebuild_request("imms: rebuild please"));
  EXPECT_FALSE(is_map_rebuild_request("Vandrel imms: rebuild please!"));
  EXPECT_FALSE(is_map_rebuild_request("Vandrel imms: rebuild"));
}

TEST(glob_match, StarsTakeTheShortestStretchAndCapture) {
  char a[32], b[32], c[32];
  char* captures[4] = {a, nullptr, b, c};
  EXPECT_TRUE(glob_match("x*=*,*;*", "x1=2=3,4;", captures, 32));
  EXPECT_STREQ(a, "1");
  EXPECT_STREQ(b, "4");
  EXPECT_STREQ(c, "");
  EXPECT_TRUE(glob_match("**tail", "long tail", captures, 32));
  EXPECT_STREQ(a, "long ");
  EXPECT_FALSE(glob_match("a*b", "xab"));
  EXPECT_FALSE(glob_match("a*b*c", "abx"));
}

TEST(glob_match, WithoutStarsAPrefixMatches) {
  EXPECT_TRUE(glob_match("abc", "abc"));
  EXPECT_TRUE(glob_match("abc", "abcdef"));
  EXPECT_FALSE(glob_match("abc", "ab"));
}

}  // namespace
