#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "config/quor_xml_reader.h"
#include "support/log_capture.h"
#include "xml_test_support.h"

namespace {

const std::string header_warning = "Warning in quor_xml_reader::check_xml_header_string(), ";

struct header_case {
  const char* line;
  int accepted;
  const char* warning;  // null when none is expected
};

TEST(XmlReaderHeader, AcceptsAndRefusesDeclarations) {
  const header_case cases[] = {
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", 1, nullptr},
      {"<?XML version=\"1.0\" encoding=\"ISO-8859-1\"?>", 1, nullptr},
      {"<?xml encoding=\"anything\" version=\"9\"?>", 1, nullptr},
      {"<?xml version = \"1.0\"   encoding =\"x\" ?>", 1, nullptr},
      {"<?xml version=\"1.0\" encoding=\"x\"", 1, nullptr},
      {"<xml version=\"1.0\" encoding=\"x\"?>", 0, "missing opening '<?xml' tag."},
      {"", 0, "missing opening '<?xml' tag."},
      {"<?xml version='1.0' encoding=\"x\"?>", 0, "'version' tag found, but no opening version quote."},
      {"<?xml version \"1.0\" encoding=\"x\"?>", 0, "'version' tag found, but no version."},
      {"<?xml version=\"1.0 encoding=x?>", 0, "'version' tag found, but no closing version quote."},
      {"<?xml version=\"1.0\" encoding\"x\"?>", 0, "'encoding' tag found, but no encoding."},
      {"<?xml version=\"1.0\" encoding=x?>", 0, "'encoding' tag found, but no opening encoding quote."},
      {"<?xml version=\"1.0\" encoding=\"x?>", 0, "'encoding' tag found, but no closing encoding quote."},
      {"<?xml version=\"1.0\" standalone=\"yes\"?>", 0, "unknown tag found."},
      {"<?xml", 0, "didn't get either version or encoding."},
      {"<?xml encoding=\"x\"?>", 0, "didn't get version."},
      {"<?xml version=\"1.0\"?>", 0, "didn't get encoding."},
  };
  for (const header_case& c : cases) {
    log_capture log;
    string_reader reader("");
    EXPECT_EQ(c.accepted, reader.check_xml_header_string(c.line)) << c.line;
    if (c.warning) {
      EXPECT_EQ(1, log.count(header_warning + c.warning)) << c.line << "\n" << log.text();
    } else {
      EXPECT_EQ(0, log.count("Warning")) << c.line << "\n" << log.text();
    }
  }
}

// Reads one leaf <v>...</v> as text with a buffer of the given size.
struct text_result {
  int result;
  std::string value;
  std::string log;
};

text_result read_text_leaf(const std::string& document, int size = 1000) {
  log_capture log;
  string_reader reader(document);
  char tag[100];
  EXPECT_EQ(1, reader.read_tag(tag, sizeof tag));
  std::vector<char> value((size_t)size + 1, 'Q');
  int result = reader.read_data(value.data(), size);
  return {result, result ? std::string(value.data()) : std::string(), log.text()};
}

TEST(XmlReaderValues, EntitiesAreDecodedAndUnknownOnesKept) {
  text_result plain = read_text_leaf("<v>a&lt;b&amp;c&gt;</v>");
  EXPECT_EQ(1, plain.result);
  EXPECT_EQ("a<b&c>", plain.value);
  EXPECT_EQ(std::string::npos, plain.log.find("Warning"));

  // A decoded ampersand is not decoded a second time.
  EXPECT_EQ("&lt;", read_text_leaf("<v>&amp;lt;</v>").value);

  text_result unknown = read_text_leaf("<v>say &quot;hi&quot;</v>");
  EXPECT_EQ(1, unknown.result);
  EXPECT_EQ("say &quot;hi&quot;", unknown.value);
}

TEST(XmlReaderValues, UnknownEntityWarnsOncePerAmpersand) {
  const std::string warning = "Warning in quor_xml_reader::compact_string(), unknown '&' conversion found?";
  text_result one = read_text_leaf("<v>&quot;</v>");
  size_t first = one.log.find(warning);
  ASSERT_NE(std::string::npos, first);
  EXPECT_EQ(std::string::npos, one.log.find(warning, first + 1));
  text_result two = read_text_leaf("<v>&a &amp; &b</v>");
  EXPECT_EQ("&a & &b", two.value);
  size_t second = two.log.find(warning, two.log.find(warning) + 1);
  ASSERT_NE(std::string::npos, second);
  EXPECT_EQ(std::string::npos, two.log.find(warning, second + 1));
}

TEST(XmlReaderValues, UnprintableBytesRefuseTheValue) {
  for (const char* value : {"a\tb", "caf\xe9", "\x7f", "line\nbreak"}) {
    text_result r = read_text_leaf(std::string("<v>") + value + "</v>");
    EXPECT_EQ(0, r.result) << value;
  }
}

TEST(XmlReaderValues, OverlongValueIsCutSilently) {
  text_result r = read_text_leaf("<v>abcdefghij</v>", 5);
  EXPECT_EQ(1, r.result);
  EXPECT_EQ("abcd", r.value);
  EXPECT_EQ(std::string::npos, r.log.find("Warning"));
}

TEST(XmlReaderValues, EndOfSourceInsideValueIsReported) {
  text_result r = read_text_leaf("<v>abc");
  EXPECT_EQ(0, r.result);
  EXPECT_NE(std::string::npos,
            r.log.find("Warning in quor_xml_reader::read_block(), file corruption - got EOF before trailing bracket."));
}

TEST(XmlReaderValues, SecondBracketsAreReported) {
  text_result value = read_text_leaf("<v>a>b</v>");
  EXPECT_NE(std::string::npos, value.log.find("Warning in quor_xml_reader::read_block(), got second closing bracket?"));
  log_capture log;
  string_reader reader("<a<b>");
  char tag[100];
  reader.read_tag(tag, sizeof tag);
  EXPECT_TRUE(log.contains("Warning in quor_xml_reader::read_block(), got second open bracket?"));
}

struct int_case {
  const char* value;
  int result;
  int expected;  // the target starts at -99
  bool warns;
};

TEST(XmlReaderValues, IntegerLeaves) {
  const int_case cases[] = {
      {"5", 1, 5, false},
      {"+7", 1, 7, false},
      {"-12", 1, -12, false},
      {"12abc", 1, 12, false},
      {"+", 1, 0, false},
      {"+x", 1, 0, false},
      {"-x", 0, -99, true},
      {"", 0, -99, true},
      {"x5", 0, -99, true},
      {" 5", 0, -99, true},
      {"99999999999999999999", 1, INT_MAX, false},
      {"-99999999999999999999", 1, INT_MIN, false},
      {"2147483647", 1, INT_MAX, false},
      {"-2147483648", 1, INT_MIN, false},
  };
  for (const int_case& c : cases) {
    log_capture log;
    string_reader reader(std::string("<n>") + c.value + "</n><next>");
    char tag[100];
    ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
    int target = -99;
    EXPECT_EQ(c.result, reader.read_data(&target)) << c.value;
    EXPECT_EQ(c.expected, target) << c.value;
    EXPECT_EQ(c.warns, log.contains(std::string("Warning in quor_xml_reader::read_data(int) - got non-number'") +
                                    c.value + "'."))
        << c.value;
    // The closing tag is consumed either way.
    EXPECT_EQ(0, reader.stack_depth()) << c.value;
    EXPECT_EQ("<next>", reader.rest()) << c.value;
  }
}

TEST(XmlReaderValues, UnprintableIntegerLeavesTargetAlone) {
  string_reader reader("<n>4\t2</n>");
  char tag[100];
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  int target = 3;
  EXPECT_EQ(0, reader.read_data(&target));
  EXPECT_EQ(3, target);
}

TEST(XmlReaderStructure, ChildrenAreReadUntilTheParentCloses) {
  string_reader reader("junk\n<root>\n  <a>1</a>\n  <b>two</b>\n</root>\n<after>");
  char tag[100];
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("root", tag);
  std::vector<std::string> seen;
  while (reader.read_tag(tag, sizeof tag)) {
    seen.push_back(tag);
    char value[100];
    ASSERT_EQ(1, reader.read_data(value, sizeof value));
    seen.push_back(value);
  }
  EXPECT_EQ((std::vector<std::string>{"a", "1", "b", "two"}), seen);
  EXPECT_EQ(0, reader.stack_depth());
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("after", tag);
}

TEST(XmlReaderStructure, MismatchedClosingTagStillCloses) {
  log_capture log;
  string_reader reader("<a><b>1</c></a>");
  char tag[100];
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  char value[100];
  EXPECT_EQ(1, reader.read_data(value, sizeof value));
  EXPECT_TRUE(
      log.contains("Warning in quor_xml_reader::pop_stack_entry() - popped tag 'c' did not match expected tag 'b'."));
  EXPECT_EQ(1, reader.stack_depth());
  EXPECT_EQ(0, reader.read_tag(tag, sizeof tag));
  EXPECT_EQ(0, reader.stack_depth());
}

TEST(XmlReaderStructure, OpeningTagWhereClosingExpectedIsABadClosingTag) {
  log_capture log;
  string_reader reader("<a>1<b>");
  char tag[100];
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  char value[100];
  EXPECT_EQ(1, reader.read_data(value, sizeof value));
  EXPECT_TRUE(log.contains("Warning in quor_xml_reader::pop_stack_entry() - got bad closing tag 'b'?"));
  EXPECT_EQ(0, reader.stack_depth());
}

TEST(XmlReaderStructure, StrayClosingTagsPopNothing) {
  string_reader reader("</x></y><z>");
  char tag[100];
  EXPECT_EQ(0, reader.read_tag(tag, sizeof tag));
  EXPECT_EQ(0, reader.read_tag(tag, sizeof tag));
  EXPECT_EQ(0, reader.stack_depth());
  EXPECT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("z", tag);
}

TEST(XmlReaderStructure, SkipDataSkipsNestedElementsAndComments) {
  string_reader reader("<outer><skip>text<!-- note --><in><deeper>1</deeper></in>x</skip><keep>2</keep></outer>");
  char tag[100];
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("skip", tag);
  reader.skip_data();
  EXPECT_EQ(1, reader.stack_depth());
  ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("keep", tag);
}

TEST(XmlReaderStructure, SkipDataReportsMisuseAndEnd) {
  {
    log_capture log;
    string_reader reader("<a>");
    reader.skip_data();
    EXPECT_TRUE(
        log.contains("Error in quor_xml_reader::skip_data() - you must read at least the opening tag before "
                     "skipping data."));
  }
  {
    log_capture log;
    string_reader reader("<a><b>1");
    char tag[100];
    ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
    reader.skip_data();
    EXPECT_TRUE(log.contains("Warning in quor_xml_reader::skip_data() - unable to read"));
  }
}

TEST(XmlReaderStructure, LongNamesAreCutOnTheStack) {
  log_capture log;
  std::string name(1500, 'n');
  string_reader reader("<" + name + ">1</" + name + ">");
  std::vector<char> tag(2000);
  ASSERT_EQ(1, reader.read_tag(tag.data(), (int)tag.size()));
  EXPECT_EQ(name, tag.data());
  char value[100];
  reader.read_data(value, sizeof value);
  EXPECT_EQ(0, reader.stack_depth());
}

TEST(XmlReaderStructure, DeepNestingIsCountedNotStored) {
  std::string opening;
  std::string closing;
  for (int i = 0; i < 5000; i++) {
    opening += "<e" + std::to_string(i) + ">";
    closing = "</e" + std::to_string(i) + ">" + closing;
  }
  string_reader reader(opening + closing + "<last>");
  char tag[100];
  for (int i = 0; i < 5000; i++) ASSERT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_EQ(5000, reader.stack_depth());
  for (int i = 0; i < 5000; i++) ASSERT_EQ(0, reader.read_tag(tag, sizeof tag));
  EXPECT_EQ(0, reader.stack_depth());
  EXPECT_EQ(1, reader.read_tag(tag, sizeof tag));
  EXPECT_STREQ("last", tag);
}

TEST(XmlReaderErrors, BadBuffersAreRefused) {
  log_capture log;
  string_reader reader("<a>1</a>");
  char tag[10];
  EXPECT_EQ(0, reader.read_tag(nullptr, 10));
  EXPECT_EQ(0, reader.read_tag(tag, 0));
  EXPECT_EQ(0, reader.read_data(nullptr, 10));
  EXPECT_EQ(0, reader.read_data(tag, -1));
  EXPECT_EQ(0, reader.read_data((int*)nullptr));
  EXPECT_TRUE(log.contains("Error in quor_xml_reader::read_tag(), NULL dest?"));
  EXPECT_TRUE(log.contains("Error in quor_xml_reader::read_tag(), dest is too small?"));
  EXPECT_TRUE(log.contains("Error in quor_xml_reader::read_data(char[]), NULL dest?"));
  EXPECT_TRUE(log.contains("Error in quor_xml_reader::read_data(char[]), dest is too small?"));
  EXPECT_TRUE(log.contains("Error in quor_xml_reader::read_data(int), NULL dest?"));
}

TEST(XmlReaderErrors, NullFileReadsAsEmpty) {
  log_capture log;
  quor_xml_file_reader reader(nullptr);
  EXPECT_TRUE(log.contains("Error in quor_xml_file_reader::quor_xml_file_reader(), NULL file handle."));
  char tag[10];
  EXPECT_EQ(0, reader.read_tag(tag, sizeof tag));
}

}  // namespace
