// The compiled-in images are 8-bit RGBA PNG files of the sizes the panels lay out for.
#include "display/compiled_images.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

uint32_t big_endian(const unsigned char* p) {
  return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

TEST(CompiledImages, AreRgbaPngsOfTheirSizes) {
  const struct {
    compiled_image_id id;
    int width, height;
  } expected[] = {
      {image_logo, 192, 43},           {image_padlock, 21, 21},         {image_status_nosword, 17, 17},
      {image_status_zzz, 17, 17},      {image_status_hand_red, 17, 17}, {image_status_hand_blue, 17, 17},
      {image_status_hand_green, 17, 17},
  };
  static_assert(sizeof expected / sizeof expected[0] == compiled_image_count, "every image is checked");
  for (const auto& e : expected) {
    const compiled_image& image = compiled_image_data(e.id);
    SCOPED_TRACE(image.name);
    ASSERT_GT(image.size, 33u);
    EXPECT_EQ(memcmp(image.png, "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ(memcmp(image.png + 12, "IHDR", 4), 0);
    EXPECT_EQ(big_endian(image.png + 16), (uint32_t)e.width);
    EXPECT_EQ(big_endian(image.png + 20), (uint32_t)e.height);
    EXPECT_EQ(image.png[24], 8);  // bit depth
    EXPECT_EQ(image.png[25], 6);  // colour type: RGBA
    EXPECT_EQ(image.width, e.width);
    EXPECT_EQ(image.height, e.height);
  }
}

}  // namespace
