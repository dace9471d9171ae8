#include "net/stream_parser.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/log_capture.h"

namespace {

// Writes what the parser finds as one text: text as it is, everything else in brackets.
class recording_sink : public stream_sink {
 public:
  void text_run(const char* data, int length) override {
    events.append(data, (size_t)length);
    runs.push_back(length);
  }
  void tag(const char* name, const char* data, int length) override {
    events += "[tag " + std::string(name) + "|" + std::string(data, (size_t)length) + "|" + std::to_string(length) +
              "]";
  }
  void bell() override { events += "[bell]"; }
  void echo(bool on) override { events += on ? "[echo on]" : "[echo off]"; }
  std::string events;
  std::vector<int> runs;
};

std::string parse(const std::string& stream, const std::vector<size_t>& cuts = {}) {
  quor_stream_parser parser;
  recording_sink sink;
  size_t at = 0;
  for (size_t cut : cuts) {
    parser.process_socket_data(stream.data() + at, (int)(cut - at), sink);
    at = cut;
  }
  parser.process_socket_data(stream.data() + at, (int)(stream.size() - at), sink);
  return sink.events;
}

const std::string IAC = "\xff", DONT = "\xfe", DO = "\xfd", WILL = "\xfb", WONT = "\xfc";

struct parser_case {
  const char* what;
  std::string stream;
  std::string events;
  std::vector<std::string> warnings;
};

std::vector<parser_case> cases() {
  std::string long_name(64, 'n');
  return {
      {"tag with data", ";sfoo;bar;efoo;", "[tag foo|bar|3]", {}},
      {"bare tag", ";tfoo;", "[tag foo||0]", {}},
      {"literal semicolon", "a;;b", "a;b", {}},
      {"semicolon and a letter", "a;xb", "a;xb",
       {"Warning in quor_mw::process_socket_data(), semicolon found?\n", "Current string data ->a;xb<-\n"}},
      {"text around tags", "one;tping;two;sx;data;ex;three", "one[tag ping||0]two[tag x|data|4]three", {}},
      {"carriage return dropped from data", ";sfoo;1\r\n2;efoo;", "[tag foo|1\n2|3]", {}},
      {"end name mismatch", ";sfoo;bar;ebaz;", "[tag foo|bar|3]",
       {"Warning quor_mw::process_socket_data(), vce tag 'baz' does not match vcs tag 'foo'.\n"}},
      {"end tag without start", ";efoo;x", "x",
       {"Warning in quor_mw::process_socket_data(), end tag '' without start tag.\n"}},
      {"double start tags", ";sa;1;tb;", "[tag a|1|1][tag b||0]",
       {"Warning in quor_mw::process_socket_data(), double start tags?  Previous was 'a'.\n"}},
      {"name of 63 bytes is fine", ";t" + std::string(63, 'n') + ";", "[tag " + std::string(63, 'n') + "||0]", {}},
      {"name of 64 bytes is dropped", ";t" + long_name + "x;", "x",
       {"Warning in quor_mw::process_socket_data(), vct tag '" + long_name + "' too long?\n"}},
      {"start name too long", ";s" + long_name + "y", "y",
       {"Warning in quor_mw::process_socket_data(), vcs tag '" + long_name + "' too long?\n"}},
      {"echo off and on", "pass" + IAC + DONT + "\x01" + "word" + IAC + DO + "\x01" + "!",
       "pass\n[echo off]word[echo on]!", {}},
      {"will and wont echo change nothing", "a" + IAC + WILL + "\x01" + IAC + WONT + "\x01" + "b", "ab", {}},
      {"other options vanish", "a" + IAC + DO + "\x1f" + "b", "ab", {}},
      {"IAC IAC is no text", "a" + IAC + IAC + "b", "ab", {}},
      {"other telnet commands vanish", "a" + IAC + "\xf1" + "b", "ab", {}},
      {"bell", "ding\x07" "dong", "ding[bell]dong", {}},
      {"control bytes are text", std::string("a\0b\x1b[1m\r\n", 8), std::string("a\0b\x1b[1m\r\n", 8), {}},
      {"semicolon inside tag data ends it", ";sfoo;a;b;efoo;", "[tag foo|a|1];b",
       {"Warning in quor_mw::process_socket_data(), semicolon found?\n"}},
  };
}

TEST(stream_parser, table_whole_and_split_at_every_point) {
  for (const parser_case& c : cases()) {
    log_capture log;
    EXPECT_EQ(parse(c.stream), c.events) << c.what;
    for (const std::string& warning : c.warnings) EXPECT_TRUE(log.contains(warning)) << c.what << ": " << warning;
    if (c.warnings.empty()) {
      EXPECT_EQ(log.text(), "") << c.what;
    }
    for (size_t cut = 1; cut < c.stream.size(); cut++)
      EXPECT_EQ(parse(c.stream, {cut}), c.events) << c.what << " split at " << cut;
    std::vector<size_t> every;
    for (size_t cut = 1; cut < c.stream.size(); cut++) every.push_back(cut);
    EXPECT_EQ(parse(c.stream, every), c.events) << c.what << " byte by byte";
  }
}

// A tag handler that writes a client message resets the parser, as end_current_line does.
class resetting_sink : public recording_sink {
 public:
  explicit resetting_sink(quor_stream_parser& parser) : parser(parser) {}
  void tag(const char* name, const char* data, int length) override {
    recording_sink::tag(name, data, length);
    parser.reset_parser();
  }
  quor_stream_parser& parser;
};

TEST(stream_parser, a_handler_that_resets_the_parser_keeps_the_end_tag_out_of_the_text) {
  struct row {
    std::string stream;
    std::string events;
  } rows[] = {
      {";sfoo;bar;efoo;after", "[tag foo|bar|3]after"},
      {";tfoo;after", "[tag foo||0]after"},
      {"a;sx;1;ex;b;sy;2;ey;c", "a[tag x|1|1]b[tag y|2|1]c"},
  };
  for (const row& r : rows) {
    for (size_t cut = 0; cut < r.stream.size(); cut++) {
      quor_stream_parser parser;
      resetting_sink sink(parser);
      parser.process_socket_data(r.stream.data(), (int)cut, sink);
      parser.process_socket_data(r.stream.data() + cut, (int)(r.stream.size() - cut), sink);
      EXPECT_EQ(sink.events, r.events) << r.stream << " split at " << cut;
      EXPECT_EQ(parser.get_state(), quor_stream_parser::state_text) << r.stream;
    }
  }
}

TEST(stream_parser, tag_split_over_two_reads_is_dispatched_once) {
  quor_stream_parser parser;
  recording_sink sink;
  parser.process_socket_data(";sfo", 4, sink);
  EXPECT_EQ(sink.events, "");
  parser.process_socket_data("o;bar;efoo;", 11, sink);
  EXPECT_EQ(sink.events, "[tag foo|bar|3]");
  EXPECT_EQ(parser.get_state(), quor_stream_parser::state_text);
}

TEST(stream_parser, tag_is_dispatched_when_its_data_ends) {
  quor_stream_parser parser;
  recording_sink sink;
  parser.process_socket_data(";sfoo;bar;", 10, sink);
  EXPECT_EQ(sink.events, "[tag foo|bar|3]");
}

TEST(stream_parser, long_text_comes_in_runs_of_2560) {
  quor_stream_parser parser;
  recording_sink sink;
  std::string text(6000, 'x');
  parser.process_socket_data(text.data(), (int)text.size(), sink);
  EXPECT_EQ(sink.runs, (std::vector<int>{2560, 2560, 880}));
  EXPECT_EQ(sink.events, text);
}

TEST(stream_parser, overlong_tag_data_is_discarded_and_the_rest_is_text) {
  std::string stream = ";sfoo;" + std::string(15000, 'd') + "tail;efoo;";
  log_capture log;
  std::string events = parse(stream);
  EXPECT_EQ(log.count("Warning in quor_mw::process_socket_data(), tagged data was too long, discarding.\n"), 1);
  // The 15000th byte goes with the discarded data; then the parser reads text again.
  EXPECT_EQ(events, "tail");
  EXPECT_EQ(parse(";sfoo;" + std::string(14999, 'd') + ";efoo;"), "[tag foo|" + std::string(14999, 'd') + "|14999]");
}

TEST(stream_parser, reset_forgets_an_open_tag) {
  quor_stream_parser parser;
  recording_sink sink;
  parser.process_socket_data(";sfoo;half", 10, sink);
  parser.reset_parser();
  parser.process_socket_data("text", 4, sink);
  EXPECT_EQ(sink.events, "text");
  EXPECT_EQ(parser.get_state(), quor_stream_parser::state_text);
}

TEST(stream_parser, semicolon_warning_shows_the_block_cut_to_its_limit) {
  std::string block = std::string(7000, 'a') + ";x";
  log_capture log;
  parse(block);
  EXPECT_TRUE(log.contains("Current string data ->" + std::string(5999, 'a') + "<-\n"));
}

}  // namespace
