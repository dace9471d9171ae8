// Where the game server is: the program's own address, or VANDREL_GAME_SERVER=host:port.
#pragma once

struct game_server_address {
  static const int host_size = 256;
  char host[host_size];
  int port;  // 0: the caller's default
};

// Placeholder for the game's real host name; ".invalid" never resolves, so an unconfigured
// build reaches no one by accident.
extern const char* const default_game_host;
const int default_game_port = 3102;

// Reads "host:port" or "host"; false (with a log line) for an empty or malformed text.
bool parse_game_server_override(const char* text, game_server_address* out);
// The default, or the environment's override when it is well formed.
game_server_address game_server_from_environment();
