#include "net/game_connection.h"

#include <arpa/inet.h>
#include <cstdio>

#include "net/tag_dispatch.h"
#include "util/debug_log.h"

const char* const quor_game_connection::client_version = "1.095-gtk-test1";

quor_game_connection::quor_game_connection(text_output& main_text, game_connection_host& host)
    : main_text(main_text), host(host), current_output(&main_text), server(game_server_from_environment()) {}

void quor_game_connection::end_current_line() {
  main_text.follow_end();
  main_text.reset_colors();
  main_text.output_text("\n");
  parser.reset_parser();
}

void quor_game_connection::socket_connect(int port, const char* uuid) {
  if (port <= 0) port = server.port > 0 ? server.port : default_game_port;
  socket.enable_ssl();
  host.connect_starting();
  end_current_line();
  main_text.output_text("\n");
  main_text.output_text("Connecting to server...\n");
  // The connect blocks the window; show the line before it does.
  main_text.refresh();

  in_addr address;
  if (!lookup_ipv4_address(server.host, &address)) {
    drop_connection("Unable to look up address for game server.");
    main_text.refresh();
    return;
  }
  if (debug_level > 1) {
    char text[INET_ADDRSTRLEN];
    inet_ntop(AF_INET, &address, text, sizeof text);
    debug_log("quor_mw::socket_connect() - dns lookup ok, address '%s', port %d.\n", text, port);
  }
  if (socket.connect_with_timeout(address, port, connect_timeout_ms) != 1) {
    socket.close();
    drop_connection("Unable to connect to server.");
    main_text.refresh();
    return;
  }
  if (debug_level > 1) debug_log("quor_mw::socket_connect() - socket connect ok.\n");
  parser.set_text_state();
  outgoing.clear();
  char login[160];
  snprintf(login, sizeof login, "_vClient %.64s %s", uuid ? uuid : "", client_version);
  send_line(login);
  main_text.refresh();
  host.connect_succeeded();
}

void quor_game_connection::drop_connection(const char* message) {
  socket.close();
  parser.set_text_state();
  outgoing.clear();
  // A drop the client asked for must not be reported again as a lost connection by the next tick.
  connected_seen = false;
  // The panels reset by the host see a client that is no longer playing.
  login_state = login_none;
  host.drop_resetting();

  main_text.reset_colors();
  main_text.output_text("\n");
  main_text.output_text("\n");
  main_text.output_text(message ? message : "");
  main_text.output_text("\n");
  main_text.output_text("\n");
  main_text.output_text("To log in again, type '");
  main_text.set_colors(1, 0x33);
  main_text.output_text("connect");
  main_text.set_colors(0, 0x37);
  main_text.output_text("' or use the ");
  main_text.set_colors(1, 0x33);
  main_text.output_text("File / Connect");
  main_text.set_colors(0, 0x37);
  main_text.output_text(" menu option.\n");
  main_text.output_text("\n");
  main_text.refresh();

  host.drop_finished();
}

void quor_game_connection::socket_handler(const char* uuid) {
  if (!first_connect_done) {
    socket_connect(0, uuid);
    first_connect_done = true;
  }
  int state = socket.get_state();
  if (!connected_seen) {
    if (state == quor_tcp_socket::connected) connected_seen = true;
    return;
  }
  if (state != quor_tcp_socket::connected) {
    if (debug_level > 0) debug_log("quor_mw::socket_handler() - abnormal connection failure?\n");
    drop_connection("Connection to server lost.");
    return;
  }

  char block[read_block_size];
  for (int blocks = 0; blocks < max_blocks_per_tick; blocks++) {
    int count = socket.nonblocking_read(block, sizeof block);
    if (count == 0) break;
    if (count < 0) {
      drop_connection(socket.get_read_error() == 0 ? "Connection closed by server." : "Connection to server lost.");
      return;
    }
    process_socket_data(block, count);
    // A tag may have ended the connection; its drop already told the player.
    if (socket.get_state() != quor_tcp_socket::connected) return;
  }
  write_outgoing();
}

void quor_game_connection::write_outgoing() {
  if (outgoing.size() == 0) return;
  int written = socket.nonblocking_write(outgoing.data(), outgoing.size());
  if (written < 0) {
    drop_connection("Connection to server lost.");
    return;
  }
  outgoing.consume(written);
}

void quor_game_connection::process_socket_data(const char* bytes, int length) {
  written_count = 0;
  parser.process_socket_data(bytes, length, *this);
  for (int i = 0; i < written_count; i++) written_outputs[i]->refresh();
  written_count = 0;
}

void quor_game_connection::text_run(const char* data, int length) {
  text_output* output = current_output;
  output->display_socket_data(data, length);
  for (int i = 0; i < written_count; i++)
    if (written_outputs[i] == output) return;
  if (written_count < max_written_outputs)
    written_outputs[written_count++] = output;
  else
    output->refresh();
}

void quor_game_connection::tag(const char* name, const char* data, int length) {
  process_tagged_data(name, data, length);
}

void quor_game_connection::bell() { host.ring_bell(); }

void quor_game_connection::echo(bool on) { host.set_password_mode(!on); }

void quor_game_connection::send_ping() {
  if (!is_playing()) return;
  send_line("vcping");
  ping_start = std::chrono::steady_clock::now();
  ping_started = true;
  ping_count++;
}

long long quor_game_connection::ping_elapsed_ms() const {
  if (!ping_started) return 0;
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - ping_start).count();
}

void quor_game_connection::send_status_report(const status_report_settings& settings) {
  status_report_needed = false;
  char line[64];
  build_status_report(settings, line, sizeof line);
  send_line(line);
}
