#include "net/game_server_address.h"

#include <cstdlib>
#include <cstring>

#include "util/debug_log.h"
#include "util/strings.h"

const char* const default_game_host = "game.vandrel.invalid";

bool parse_game_server_override(const char* text, game_server_address* out) {
  if (!text || !out) return false;
  const char* colon = strrchr(text, ':');
  size_t host_length = colon ? (size_t)(colon - text) : strlen(text);
  int port = 0;
  bool ok = host_length > 0 && host_length < (size_t)game_server_address::host_size;
  if (ok && colon) {
    const char* digits = colon + 1;
    ok = *digits != 0 && strlen(digits) <= 5;
    for (const char* c = digits; ok && *c; c++) ok = *c >= '0' && *c <= '9';
    if (ok) port = atoi(digits);
    ok = ok && port >= 1 && port <= 65535;
  }
  for (size_t i = 0; ok && i < host_length; i++) ok = text[i] > ' ' && text[i] != ':';
  if (!ok) {
    if (debug_level > 0)
      debug_log("Error in parse_game_server_override(), '%.300s' is not host:port, using the default.\n", text);
    return false;
  }
  memcpy(out->host, text, host_length);
  out->host[host_length] = 0;
  out->port = port;
  return true;
}

game_server_address game_server_from_environment() {
  game_server_address address;
  safe_strcpy(address.host, default_game_host, game_server_address::host_size);
  address.port = 0;
  const char* text = getenv("VANDREL_GAME_SERVER");
  if (text && *text) {
    game_server_address chosen;
    if (parse_game_server_override(text, &chosen)) {
      address = chosen;
      if (debug_level > 1) debug_log("Game server from VANDREL_GAME_SERVER: '%s', port %d.\n", address.host, address.port);
    }
  }
  return address;
}
