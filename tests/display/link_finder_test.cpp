#include "display/link_finder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct link_case {
  const char* text;
  const char* clicked;  // the text from the clicked character on (first occurrence)
  const char* link;     // null: no link
};

const link_case cases[] = {
    {"see http://example.com/page. now", "example", "http://example.com/page"},
    {"(example.com/a_(b)) x", "example", "example.com/a_(b)"},
    // The scan stops at the scheme, so a bracket before it is not counted.
    {"(http://example.com) x", "example", "http://example.com)"},
    {"go to (www.example.org) today", "example", "www.example.org"},
    {"files at ftp://files.example.net, ok", "files.", "ftp://files.example.net"},
    {"visit example.com/x] now", "example", "example.com/x]"},
    {"[example.com/x] now", "example", "example.com/x"},
    {"host example.com:8080/path ok", "8080", "example.com:8080/path"},
    {"https://sub.example.co.uk?", "sub", "https://sub.example.co.uk"},
    {"xhttp://example.com", "http", "http://example.com"},
    {"say:https://example.com/q?a=1", "example", "https://example.com/q?a=1"},
    {"mail me at bob@example.com", "bob", nullptr},
    {"http://bob@example.com", "bob", "http://bob@example.com"},
    {"pi is 3.14 today", "3.14", nullptr},
    {"a..b.com thing", "a..b", nullptr},
    {"the file example.museum", "example", nullptr},
    {"the word Example.COM", "Example", nullptr},
    {"nothing here", "nothing", nullptr},
    {"host:example.com", "host", nullptr},
    {"example.com:0/x", "example", nullptr},
    {"see http://example.com/page. now", ". now", nullptr},
    {"quote 'www.example.com' end", "www", "www.example.com"},
    {"star *www.example.com*", "www", "www.example.com"},
    {"http://nodots", "nodots", nullptr},
};

TEST(link_finder, FindsLinksAndRejectsLookalikes) {
  for (const link_case& c : cases) {
    const char* at = strstr(c.text, c.clicked);
    ASSERT_NE(at, nullptr) << c.text;
    int first = -1, last = -1;
    bool found = find_link(c.text, (int)strlen(c.text), (int)(at - c.text), &first, &last);
    if (!c.link) {
      EXPECT_FALSE(found) << c.text;
      continue;
    }
    ASSERT_TRUE(found) << c.text;
    EXPECT_EQ(std::string(c.text + first, last - first + 1), c.link) << c.text;
  }
}

TEST(link_finder, ClicksOutsideTheTextFindNothing) {
  const char* text = "www.example.com";
  int first, last;
  EXPECT_FALSE(find_link(text, 15, -1, &first, &last));
  EXPECT_FALSE(find_link(text, 15, 15, &first, &last));
  EXPECT_TRUE(find_link(text, 15, 14, &first, &last));
  EXPECT_FALSE(find_link(nullptr, 0, 0, &first, &last));
}

}  // namespace
