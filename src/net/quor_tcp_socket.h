// One non-blocking IPv4 TCP connection, optionally wrapped in TLS, driven by polling.
#pragma once

#include <netinet/in.h>
#include <openssl/ssl.h>

// A dotted quad is converted directly; anything else goes to the resolver (IPv4 only).
bool lookup_ipv4_address(const char* host, in_addr* address);
// Four decimal numbers 0-255 joined by three dots, 4 to 12 digits in all, nothing else.
bool parse_dotted_quad(const char* host, in_addr* address);

class quor_tcp_socket {
 public:
  enum : int { unconnected = 1, connecting = 2, handshaking = 4, connected = 8 };

  quor_tcp_socket() = default;
  ~quor_tcp_socket();
  quor_tcp_socket(const quor_tcp_socket&) = delete;
  quor_tcp_socket& operator=(const quor_tcp_socket&) = delete;

  int enable_ssl();
  int disable_ssl();

  // 1 connected, 0 in progress, -1 failed (see write_error).
  int start_nonblocking_connect(in_addr address, int port);
  int poll_connect();
  // Advances a connect in progress, then reports the state.
  int get_state();
  // Waits for the TCP connect and the TLS handshake together, at most `milliseconds` in all
  // (negative: no limit). 1 or -1.
  int connect_with_timeout(in_addr address, int port, int milliseconds);

  int ssl_try_connect(bool blocking);
  int ssl_retry_connect();

  // > 0 bytes, 0 nothing now (or time-out), -1 closed (see read_error / write_error).
  int nonblocking_read(char* buffer, int size);
  int read_with_timeout(char* buffer, int size, int milliseconds);
  int nonblocking_write(const char* data, int length);
  int write_with_timeout(const char* data, int length, int milliseconds);

  void close();

  int get_read_error() const { return read_error; }
  int get_write_error() const { return write_error; }
  bool ssl_enabled() const { return tls_enabled; }
  int descriptor() const { return fd; }

 private:
  int fail_tls_setup(const char* text);
  // Runs the handshake with a non-blocking descriptor until done, failed or past the deadline.
  int finish_handshake(long long deadline_ms);
  int connect_error_of_socket();

  SSL* tls = nullptr;
  bool tls_enabled = false;
  int fd = -1;
  sockaddr_in peer = {};
  int state = unconnected;
  int read_error = 0;
  int write_error = 0;
  // What the last handshake step waits for, so a timed wait can watch the right direction.
  bool handshake_wants_write = false;
};
