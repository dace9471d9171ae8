// The bytes waiting to go to the game server, oldest first.
#pragma once

class quor_outgoing_buffer {
 public:
  static const int capacity = 10000;

  // Copies the text without its terminator; what does not fit is cut (with a log line),
  // leaving the buffer exactly full.
  void append_outgoing_string(const char* text);
  void send_line(const char* text);
  // Drops the first `count` bytes after they were written; the rest moves to the front.
  void consume(int count);
  void clear() { used = 0; }

  const char* data() const { return bytes; }
  int size() const { return used; }

 private:
  char bytes[capacity];
  int used = 0;
};
