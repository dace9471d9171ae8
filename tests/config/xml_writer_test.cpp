#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "config/quor_xml_writer.h"
#include "support/log_capture.h"
#include "xml_test_support.h"

namespace {

TEST(XmlWriter, ContainersIndentAndLeavesStayOnOneLine) {
  string_writer writer;
  writer.write_tag("a", true);
  writer.write_int_element("b", 5);
  writer.end_tag("a", true);
  EXPECT_EQ("<a>\n  <b>5</b>\n</a>\n", writer.written);
}

TEST(XmlWriter, NestedDocumentWithHeaderAndTrailingLine) {
  string_writer writer;
  EXPECT_EQ(44, writer.write_xml_header());
  writer.write_tag("root", true);
  writer.write_tag("list", true);
  writer.write_text_element("name", "x");
  writer.write_int_element("n", INT_MIN);
  writer.end_tag("list", true);
  writer.end_tag("root", true);
  writer.write_newline();
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
      "<root>\n"
      "  <list>\n"
      "    <name>x</name>\n"
      "    <n>-2147483648</n>\n"
      "  </list>\n"
      "</root>\n"
      "\n",
      writer.written);
  EXPECT_FALSE(writer.has_failed());
}

TEST(XmlWriter, SpecialBytesBecomeEntitiesAndRoundTrip) {
  string_writer writer;
  writer.write_text_element("v<&>", "a<b&c>\"'");
  EXPECT_EQ("<v&lt;&amp;&gt;>a&lt;b&amp;c&gt;\"'</v&lt;&amp;&gt;>\n", writer.written);

  string_reader reader(writer.written);
  char tag[100];
  char value[100];
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("v<&>", tag);
  ASSERT_EQ(1, reader.read_data(value, sizeof value));
  EXPECT_STREQ("a<b&c>\"'", value);
  EXPECT_EQ(0, reader.stack_depth());
}

TEST(XmlWriter, ClosingWithNothingOpenWritesBogusTag) {
  log_capture log;
  string_writer writer;
  writer.end_tag("x", true);
  EXPECT_EQ("</_BOGUS_ENDING_TAG_>\n", writer.written);
  EXPECT_TRUE(log.contains("Error in quor_xml_writer::end_tag(), tag stack empty.\n"));
}

TEST(XmlWriter, ClosingTheWrongNameWritesThePoppedName) {
  log_capture log;
  string_writer writer;
  writer.write_tag("open", false);
  writer.end_tag("other", false);
  EXPECT_EQ("<open></open>\n", writer.written);
  EXPECT_TRUE(log.contains("Warning in quor_xml_writer::end_tag(), tried to close wrong tag.\n"));
}

TEST(XmlWriter, NullNamesAndTextsWriteNothing) {
  log_capture log;
  string_writer writer;
  writer.write_tag("keep", true);
  writer.write_tag(nullptr, false);
  writer.write_string(nullptr);
  writer.write_int_element(nullptr, 3);
  writer.write_text_element(nullptr, "x");
  writer.end_tag("keep", true);
  EXPECT_EQ("<keep>\n</keep>\n", writer.written);
  EXPECT_TRUE(log.contains("Error in quor_xml_writer::write_tag(), NULL tag.\n"));
  EXPECT_TRUE(log.contains("Error in quor_xml_writer::write_string(), NULL data.\n"));
}

TEST(XmlWriter, AFailedWriteIsRemembered) {
  string_writer writer;
  writer.fail_after = 10;
  writer.write_tag("a_long_element", true);
  writer.end_tag("a_long_element", true);
  EXPECT_TRUE(writer.has_failed());
}

TEST(XmlWriter, NullFileIsReportedAndFailsWrites) {
  log_capture log;
  quor_xml_file_writer writer(nullptr);
  EXPECT_TRUE(log.contains("Error in quor_xml_file_writer::quor_xml_file_writer(), NULL file handle.\n"));
  EXPECT_LT(writer.write_xml_header(), 0);
  EXPECT_TRUE(writer.has_failed());
}

TEST(XmlWriter, FileWriterWritesTextUnchanged) {
  char* buffer = nullptr;
  size_t size = 0;
  FILE* f = open_memstream(&buffer, &size);
  ASSERT_NE(nullptr, f);
  {
    quor_xml_file_writer writer(f);
    EXPECT_EQ(5, writer.write_text("a%sb\n"));
  }
  fclose(f);
  EXPECT_EQ("a%sb\n", std::string(buffer, size));
  free(buffer);
}

}  // namespace
