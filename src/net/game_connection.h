// The one connection to the game server: connect and login line, the outgoing buffer, the
// per-tick poll that feeds the stream parser, ping, status report, login state and the
// orderly drop with its message to the player.
#pragma once

#include <chrono>

#include "display/text_output.h"
#include "net/game_server_address.h"
#include "net/outgoing_buffer.h"
#include "net/quor_tcp_socket.h"
#include "net/status_report.h"
#include "net/stream_parser.h"

// What the connection needs from the main frame around it.
class game_connection_host {
 public:
  virtual ~game_connection_host() = default;
  virtual void ring_bell() = 0;
  // Typed characters hidden while the server does not echo (a password).
  virtual void set_password_mode(bool on) = 0;
  // Before a connect attempt.
  virtual void connect_starting() = 0;
  // After the login line is queued.
  virtual void connect_succeeded() = 0;
  // A drop, before its message is shown: the frame returns to its disconnected look.
  virtual void drop_resetting() = 0;
  // A drop, after its message: reconnect controls and layout.
  virtual void drop_finished() = 0;
};

class quor_game_connection : private stream_sink {
 public:
  enum : int { login_none = 0, login_creating = 1, login_playing = 2, login_logging_off = 3 };
  static const int connect_timeout_ms = 5000;
  static const int read_block_size = 10000;
  // Blocks read in one tick at most, so a flood cannot freeze the window; the rest waits a tick.
  static const int max_blocks_per_tick = 64;
  static const char* const client_version;

  quor_game_connection(text_output& main_text, game_connection_host& host);

  void set_server(const game_server_address& address) { server = address; }
  const game_server_address& get_server() const { return server; }

  // port <= 0: the server's configured port, else 3102. uuid: the client's identity.
  void socket_connect(int port, const char* uuid);
  void drop_connection(const char* message);
  // One poll per tick; the first one connects.
  void socket_handler(const char* uuid);
  void process_socket_data(const char* bytes, int length);

  void append_outgoing_string(const char* text) { outgoing.append_outgoing_string(text); }
  void send_line(const char* text) { outgoing.send_line(text); }
  void end_current_line();
  void reset_parser() { parser.reset_parser(); }

  bool is_connected() { return socket.get_state() == quor_tcp_socket::connected; }
  bool is_playing() const { return login_state == login_playing; }
  bool is_creating() const { return login_state == login_creating; }
  int get_login_state() const { return login_state; }
  void set_login_state(int state) { login_state = state; }

  void send_ping();
  long long ping_elapsed_ms() const;
  int get_ping_count() const { return ping_count; }

  void request_status_report() { status_report_needed = true; }
  bool is_status_report_needed() const { return status_report_needed; }
  void send_status_report(const status_report_settings& settings);

  // Where text runs go: the main text, or another display while a diversion is in force.
  void set_current_output(text_output* output) { current_output = output ? output : &main_text; }

  quor_tcp_socket& get_socket() { return socket; }
  const quor_outgoing_buffer& get_outgoing() const { return outgoing; }
  const quor_stream_parser& get_parser() const { return parser; }

 private:
  void text_run(const char* data, int length) override;
  void tag(const char* name, const char* data, int length) override;
  void bell() override;
  void echo(bool on) override;
  void write_outgoing();

  text_output& main_text;
  game_connection_host& host;
  text_output* current_output;
  game_server_address server;
  quor_tcp_socket socket;
  quor_outgoing_buffer outgoing;
  quor_stream_parser parser;
  int login_state = login_none;
  bool connected_seen = false;
  bool first_connect_done = false;
  bool status_report_needed = false;
  int ping_count = 0;
  bool ping_started = false;
  std::chrono::steady_clock::time_point ping_start;
  // Displays that got text during the current block, refreshed once at its end.
  static const int max_written_outputs = 8;
  text_output* written_outputs[max_written_outputs];
  int written_count = 0;
};
