#include "util/text_buffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(TextBuffer, KeepsAtMost5999CharactersAndIgnoresTheRest) {
  auto buffer = std::make_unique<text_buffer>();
  std::string big(7000, 'a');
  big[5998] = 'z';
  buffer->append(big.c_str());
  EXPECT_EQ(buffer->length(), 5999);
  EXPECT_TRUE(buffer->is_full());
  EXPECT_EQ(std::string(buffer->contents()).size(), 5999u);
  EXPECT_EQ(buffer->contents()[5998], 'z');
  buffer->append_char('q');
  buffer->append("more");
  EXPECT_EQ(std::string(buffer->contents()).size(), 5999u);
}

TEST(TextBuffer, EdgesOfAppend) {
  auto buffer = std::make_unique<text_buffer>();
  EXPECT_TRUE(buffer->is_empty());
  buffer->append(nullptr);
  EXPECT_STREQ(buffer->contents(), "(null)");
  buffer->clear();
  buffer->append(std::string(5998, 'b').c_str());
  EXPECT_FALSE(buffer->is_full());
  buffer->append_char('c');
  EXPECT_TRUE(buffer->is_full());
  EXPECT_EQ(buffer->length(), 5999);
  buffer->clear();
  buffer->append_format("%d-%s", 42, "x");
  EXPECT_STREQ(buffer->contents(), "42-x");
}

TEST(TextBuffer, SetFirstLineStopsAtNewline) {
  auto buffer = std::make_unique<text_buffer>();
  buffer->set_first_line("first\nsecond");
  EXPECT_STREQ(buffer->contents(), "first");
  buffer->set_first_line(nullptr);
  EXPECT_TRUE(buffer->is_empty());
  buffer->set_first_line(std::string(8000, 'x').c_str());
  EXPECT_EQ(buffer->length(), 5999);
}
