#include "net/stream_parser.h"

#include <cstring>

#include "util/debug_log.h"

namespace {

const unsigned char IAC = 255, DONT = 254, DO = 253, WONT = 252, WILL = 251;
const unsigned char TELOPT_ECHO = 1, BEL = 7, CR = 13;
const int block_log_limit = 5999;

}  // namespace

// The text collected during one call; flushed before anything that is not text.
class quor_stream_parser::run {
 public:
  explicit run(stream_sink& sink) : sink(sink) {}
  void add(char c) {
    bytes[count++] = c;
    if (count == text_run_size) flush();
  }
  void flush() {
    if (count > 0) sink.text_run(bytes, count);
    count = 0;
  }

 private:
  stream_sink& sink;
  char bytes[text_run_size];
  int count = 0;
};

quor_stream_parser::quor_stream_parser() {
  reset_parser();
  data[0] = 0;
}

void quor_stream_parser::reset_parser() {
  state = state_text;
  start_name[0] = 0;
  end_name[0] = 0;
}

void quor_stream_parser::process_socket_data(const char* bytes, int count, stream_sink& sink) {
  if (!bytes || count <= 0) return;
  run text(sink);
  for (int i = 0; i < count; i++) {
    unsigned char c = (unsigned char)bytes[i];
    switch (state) {
      case state_text:
        if (c == IAC) {
          text.flush();
          state = state_telnet_command;
        } else if (c == BEL) {
          text.flush();
          sink.bell();
        } else if (c == ';') {
          text.flush();
          state = state_tag_keyword;
        } else {
          text.add((char)c);
        }
        break;
      case state_telnet_command:
        telnet_command = c;
        // IAC IAC and every other two-byte command vanish.
        state = (c == WILL || c == WONT || c == DO || c == DONT) ? state_telnet_option : state_text;
        break;
      case state_telnet_option:
        in_telnet_option(c, text, sink);
        break;
      case state_tag_keyword:
        in_tag_keyword(c, text, bytes, count);
        break;
      case state_start_name:
        in_start_name(c);
        break;
      case state_end_name:
        in_end_name(c);
        break;
      case state_tag_data:
        in_tag_data(c, sink);
        break;
      case state_bare_name:
        in_bare_name(c, sink);
        break;
      default:
        state = state_text;
        break;
    }
    // A tag may have been dispatched: text before it already went out, text after it starts a new run.
  }
  text.flush();
}

void quor_stream_parser::in_telnet_option(unsigned char c, run& text, stream_sink& sink) {
  state = state_text;
  if (c != TELOPT_ECHO) return;
  text.flush();
  if (telnet_command == DONT) {
    sink.text_run("\n", 1);
    sink.echo(false);
  } else if (telnet_command == DO) {
    sink.echo(true);
  }
}

void quor_stream_parser::in_tag_keyword(unsigned char c, run& text, const char* bytes, int count) {
  if (c == ';') {
    text.add(';');
    state = state_text;
  } else if (c == 's' || c == 't') {
    if (start_name[0] && debug_level > 1)
      debug_log("Warning in quor_mw::process_socket_data(), double start tags?  Previous was '%s'.\n", start_name);
    length = 0;
    start_name[0] = 0;
    end_name[0] = 0;
    state = c == 's' ? state_start_name : state_bare_name;
  } else if (c == 'e') {
    if (debug_level > 1) {
      if (end_name[0])
        debug_log("Warning in quor_mw::process_socket_data(), double end tags?  Previous was '%s'.\n", end_name);
      if (!start_name[0])
        debug_log("Warning in quor_mw::process_socket_data(), end tag '%s' without start tag.\n", end_name);
    }
    length = 0;
    end_name[0] = 0;
    state = state_end_name;
  } else {
    state = state_text;
    if (debug_level > 1) {
      debug_log("Warning in quor_mw::process_socket_data(), semicolon found?\n");
      int shown = count < block_log_limit ? count : block_log_limit;
      debug_log("Current string data ->%.*s<-\n", shown, bytes);
    }
    text.add(';');
    text.add((char)c);
  }
}

bool quor_stream_parser::add_to_name(char* name, unsigned char c, const char* warning) {
  if (length < name_size - 1) {
    name[length++] = (char)c;
    name[length] = 0;
    return true;
  }
  if (debug_level > 1) {
    char shown[name_size + 1];
    memcpy(shown, name, name_size - 1);
    shown[name_size - 1] = (char)c;
    shown[name_size] = 0;
    debug_log(warning, shown);
  }
  length = 0;
  name[0] = 0;
  state = state_text;
  return false;
}

void quor_stream_parser::in_start_name(unsigned char c) {
  if (c == ';') {
    state = state_tag_data;
    length = 0;
    data[0] = 0;
    return;
  }
  add_to_name(start_name, c, "Warning in quor_mw::process_socket_data(), vcs tag '%s' too long?\n");
}

void quor_stream_parser::in_end_name(unsigned char c) {
  if (c == ';') {
    state = state_text;
    if (strcmp(end_name, start_name) != 0 && debug_level > 1)
      debug_log("Warning quor_mw::process_socket_data(), vce tag '%s' does not match vcs tag '%s'.\n", end_name,
                start_name);
    length = 0;
    start_name[0] = 0;
    end_name[0] = 0;
    return;
  }
  add_to_name(end_name, c, "Warning in quor_mw::process_socket_data(), vce tag '%s' too long?\n");
}

void quor_stream_parser::in_tag_data(unsigned char c, stream_sink& sink) {
  if (c == ';') {
    data[length] = 0;
    sink.tag(start_name, data, length);
    // Set after the dispatch: a handler that writes a client message resets the parser, and the
    // ";e" name ";" that follows must still be read as the end tag.
    state = state_tag_keyword;
    return;
  }
  if (c == CR) return;
  if (length < data_size - 1) {
    data[length++] = (char)c;
    return;
  }
  if (debug_level > 1) debug_log("Warning in quor_mw::process_socket_data(), tagged data was too long, discarding.\n");
  state = state_text;
  length = 0;
  data[0] = 0;
  end_name[0] = 0;
}

void quor_stream_parser::in_bare_name(unsigned char c, stream_sink& sink) {
  if (c == ';') {
    state = state_text;
    length = 0;
    sink.tag(start_name, "", 0);
    start_name[0] = 0;
    return;
  }
  add_to_name(start_name, c, "Warning in quor_mw::process_socket_data(), vct tag '%s' too long?\n");
}
