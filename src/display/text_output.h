// What the connection, the tag dispatch and the commands need from a text display.
// The ANSI text display implements it; keeping it narrow lets the network code
// be tested without a window.
#pragma once

class text_output {
 public:
  virtual ~text_output() = default;
  // Raw server text, ANSI escape codes included.
  virtual void display_socket_data(const char* data, int length) = 0;
  // A plain message of the client's own, in the current colours.
  virtual void output_text(const char* text) = 0;
  virtual void set_colors(int attributes, int color) = 0;
  virtual void reset_colors() = 0;
  // Back to following the newest text (ends a scrollback hold).
  virtual void follow_end() = 0;
  virtual void refresh() = 0;
  // Text received after the last newline (a prompt) and its delivery as a line.
  virtual bool has_partial_line() const = 0;
  virtual void flush_partial_line() = 0;
};
