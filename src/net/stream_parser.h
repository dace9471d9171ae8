// Separates the game server's byte stream into text runs, telnet echo switches, the bell
// and semicolon-framed tags. Byte-at-a-time, with all state here, so a stream may be split
// into reads anywhere.
#pragma once

// Where the parser's findings go, in stream order.
class stream_sink {
 public:
  virtual ~stream_sink() = default;
  // Text with its ANSI codes, in runs of at most quor_stream_parser::text_run_size bytes.
  virtual void text_run(const char* data, int length) = 0;
  // A complete tag: data is zero-terminated (empty for ";t" tags), length excludes the terminator.
  virtual void tag(const char* name, const char* data, int length) = 0;
  virtual void bell() = 0;
  // The server stops (false) or resumes (true) echoing: the input line's password mode.
  virtual void echo(bool on) = 0;
};

class quor_stream_parser {
 public:
  enum : int {
    state_text = 1,
    state_telnet_command = 10,
    state_telnet_option = 11,
    state_tag_keyword = 20,
    state_start_name = 21,
    state_end_name = 22,
    state_tag_data = 23,
    state_bare_name = 30,
  };
  static const int text_run_size = 2560;
  static const int name_size = 64;
  static const int data_size = 15000;

  quor_stream_parser();
  void process_socket_data(const char* bytes, int length, stream_sink& sink);
  // Back to text with no tag open.
  void reset_parser();
  // Back to text, keeping the tag names (what a connect or a drop does).
  void set_text_state() { state = state_text; }
  int get_state() const { return state; }

 private:
  class run;
  void in_text(unsigned char c, run& text);
  void in_telnet_option(unsigned char c, run& text, stream_sink& sink);
  void in_tag_keyword(unsigned char c, run& text, const char* bytes, int length);
  void in_start_name(unsigned char c);
  void in_end_name(unsigned char c);
  void in_tag_data(unsigned char c, stream_sink& sink);
  void in_bare_name(unsigned char c, stream_sink& sink);
  // Adds a byte to a name; false (after the warning) when the name would pass 63 bytes.
  bool add_to_name(char* name, unsigned char c, const char* warning);

  int state;
  unsigned char telnet_command = 0;
  char start_name[name_size];
  char end_name[name_size];
  int length = 0;
  char data[data_size];
};
