// Real loopback peers for the socket and connection tests: a plain listener and a TLS
// server with a certificate made on the spot. Every wait is bounded.
#pragma once

#include <functional>
#include <openssl/ssl.h>
#include <string>
#include <thread>

// A listening socket on 127.0.0.1 with a port chosen by the system.
class loopback_listener {
 public:
  // receive_buffer > 0 shrinks the accepted connections' receive buffer (a slow reader).
  explicit loopback_listener(int receive_buffer = 0);
  ~loopback_listener();
  int port() const { return port_; }
  // The next connection's descriptor, or -1 after timeout_ms.
  int accept_client(int timeout_ms = 10000);
  void close_listener();

 private:
  int fd = -1;
  int port_ = 0;
};

// A port nothing listens on.
int closed_loopback_port();
// Closes a connection with a reset instead of an orderly close.
void reset_connection(int fd);
// Reads until `count` bytes arrived or timeout_ms passed.
std::string read_plain(int fd, size_t count, int timeout_ms = 10000);

// One TLS connection, served on its own thread by `session`.
class tls_test_server {
 public:
  typedef std::function<void(SSL* tls, int fd)> session_fn;
  explicit tls_test_server(int receive_buffer = 0);
  ~tls_test_server();
  int port() const { return listener.port(); }
  void serve(session_fn session);
  // Waits for the session to end.
  void join();

  // Helpers for sessions: a line without its newline ("" on time-out or close), all bytes
  // until `count` arrived, and an orderly TLS close.
  static std::string read_line(SSL* tls, int timeout_ms = 10000);
  static std::string read_bytes(SSL* tls, size_t count, int timeout_ms = 10000);
  static void write_all(SSL* tls, const std::string& data);
  static void close_cleanly(SSL* tls);

 private:
  loopback_listener listener;
  SSL_CTX* context = nullptr;
  std::thread worker;
};
