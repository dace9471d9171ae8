#include "display/color_flash.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/log_capture.h"
#include "util/debug_log.h"

namespace {

TEST(color_flash, HexColoursAreCheckedAndShortOnesAreBlack) {
  debug_level = 3;
  EXPECT_EQ(GetColorFromHexString("ff8001"), quor_rgb(255, 128, 1));
  EXPECT_EQ(GetColorFromHexString("A0b0C0trailing"), quor_rgb(160, 176, 192));
  log_capture log;
  EXPECT_EQ(GetColorFromHexString("fff"), color_black);
  EXPECT_TRUE(log.contains("string too short"));
  EXPECT_EQ(GetColorFromHexString("ff00zz"), color_black);
  EXPECT_TRUE(log.contains("doesn't appear to be hex"));
}

TEST(color_flash, FadesLinearlyOverDurationPlusOneTicks) {
  color_flash_list flashes;
  EXPECT_EQ(flashes.parse_colorflash("ff0000 000000 10"), 11);
  std::vector<int> reds;
  for (int i = 0; i < 12; i++) reds.push_back(flashes.tick(quor_rgb(1, 2, 3)).red);
  EXPECT_EQ(reds, (std::vector<int>{255, 229, 204, 178, 153, 127, 102, 76, 51, 25, 0, 1}));
  EXPECT_TRUE(flashes.empty());
}

TEST(color_flash, OverlappingFlashesTakeTheBrighterChannel) {
  color_flash_list flashes;
  flashes.parse_colorflash("ff0000 000000 4");
  flashes.tick(color_black);
  flashes.parse_colorflash("000000 00ff00 2 00ff00 4");
  quor_rgb both = flashes.tick(color_black);
  EXPECT_EQ(both, quor_rgb(191, 0, 0));
  both = flashes.tick(color_black);
  EXPECT_EQ(both, quor_rgb(127, 127, 0));
  // The first flash ends; the second goes on without a gap.
  for (int i = 0; i < 2; i++) flashes.tick(color_black);
  EXPECT_EQ(flashes.tick(color_black), quor_rgb(0, 255, 0));
  EXPECT_FALSE(flashes.empty());
}

TEST(color_flash, MalformedDurations) {
  debug_level = 3;
  color_flash_list flashes;
  log_capture log;
  EXPECT_EQ(flashes.parse_colorflash("ff0000 00ff00 soon"), 0);
  EXPECT_TRUE(log.contains("quor_textctrl::parse_colorflash() - bad duration.\n"));
  EXPECT_TRUE(flashes.empty());
  EXPECT_EQ(flashes.parse_colorflash("ff0000 000000 2 00ff00 x 0000ff 3"), 3);
  EXPECT_TRUE(log.contains("bad subsequent duration"));
  EXPECT_EQ(flashes.tick(color_black), quor_rgb(255, 0, 0));
  flashes.tick(color_black);
  flashes.tick(color_black);
  EXPECT_EQ(flashes.tick(quor_rgb(9, 9, 9)), quor_rgb(9, 9, 9));
}

TEST(color_flash, AZeroLengthStepShowsItsColourAndEnds) {
  color_flash_list flashes;
  EXPECT_EQ(flashes.parse_colorflash("ff0000 0000ff 0"), 1);
  EXPECT_EQ(flashes.tick(color_black), quor_rgb(0, 0, 255));
  EXPECT_EQ(flashes.tick(color_black), color_black);
}

}  // namespace
