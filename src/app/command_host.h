// What the command line processing needs from the main frame around it. Keeping it narrow
// lets every client command be tested without a window or a socket.
#pragma once

#include "display/text_output.h"

class command_host {
 public:
  virtual ~command_host() = default;

  // The main text display: the local echo and the client's messages go here.
  virtual text_output& main_text() = 0;

  // The connection.
  virtual bool is_connected() = 0;
  virtual bool is_playing() = 0;
  virtual void send_line(const char* text) = 0;
  // port <= 0: the default game port.
  virtual void socket_connect(int port) = 0;
  virtual void drop_connection(const char* message) = 0;
  virtual void send_ping() = 0;
  // Every command counts as player activity (the voting reminder asks for it).
  virtual void note_command_time() = 0;

  virtual void system_shutdown_handler() = 0;

  // The input line hides a password: nothing of it may be echoed.
  virtual bool password_mode() = 0;
  virtual bool local_echo() = 0;
  virtual bool cmd_separator() = 0;

  // Texts and actions owned by other parts of the frame.
  virtual void show_keyboard_help() = 0;
  virtual void show_version() = 0;
  virtual void show_history() = 0;
  virtual void clear_display() = 0;
  virtual void clear_channel_windows() = 0;
  virtual void debug_fill() = 0;
  virtual void process_tagged_data(const char* name, const char* data, int length) = 0;
};
