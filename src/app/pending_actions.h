// Work that the main frame's tick does on behalf of code that must not block or write to the
// main text itself: a clicked link waiting for the browser, and a queued client message.
#pragma once

#include <string>

#include "util/text_buffer.h"

// One waiting address: a second click before the tick replaces the first.
class pending_url {
 public:
  void open_url(const char* url);
  // The waiting address, once; false when none waits.
  bool take(std::string& url);

 private:
  char address[1024] = "";
  bool waiting = false;
};

class pending_message {
 public:
  void append(const char* text) {
    message.append(text);
    waiting = true;
  }
  bool is_waiting() const { return waiting; }
  const char* text() const { return message.contents(); }
  void clear() {
    message.clear();
    waiting = false;
  }

 private:
  text_buffer message;
  bool waiting = false;
};

// Starts the browser on the address; when that fails, queues the text that lets the player
// copy the address by hand. Returns whether the browser started.
bool start_browser_with_fallback(const char* url, pending_message& message);
