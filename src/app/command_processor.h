// The single entry for every command line: local echo, the client's own "//" commands,
// server commands while connected and the few words understood while disconnected.
#pragma once

#include "app/command_host.h"

class command_processor {
 public:
  static const int default_game_port = 3102;

  explicit command_processor(command_host& host) : host(host) {}

  // text: one command line without its newline; echo: the player typed or clicked it.
  void send_command(const char* text, bool echo);

 private:
  void local_echo(const char* text);
  // True when the text was one of the client's own commands (it has then run).
  bool run_client_command(const char* text);
  void disconnected_command(const char* text);
  void show_help_screen();
  void show_debug_information();
  void debug_level_command(const char* argument);
  void debug_file_command(const char* argument);
  void message(const char* text) { host.main_text().output_text(text); }

  command_host& host;
};
