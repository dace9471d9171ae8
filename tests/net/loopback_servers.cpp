#include "loopback_servers.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <openssl/x509.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

long long now_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

SSL_CTX* make_server_context() {
  SSL_CTX* context = SSL_CTX_new(TLS_server_method());
  EVP_PKEY* key = EVP_EC_gen("P-256");
  X509* cert = X509_new();
  ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
  X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
  X509_gmtime_adj(X509_getm_notAfter(cert), 86400);
  X509_set_pubkey(cert, key);
  X509_NAME* name = X509_get_subject_name(cert);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, (const unsigned char*)"localhost", -1, -1, 0);
  X509_set_issuer_name(cert, name);
  X509_sign(cert, key, EVP_sha256());
  SSL_CTX_use_certificate(context, cert);
  SSL_CTX_use_PrivateKey(context, key);
  X509_free(cert);
  EVP_PKEY_free(key);
  return context;
}

// A blocking read that hit the descriptor's time-out, which the callers simply retry.
bool timed_out(SSL* tls, int result) {
  int error = SSL_get_error(tls, result);
  return error == SSL_ERROR_WANT_READ || (error == SSL_ERROR_SYSCALL && (errno == EAGAIN || errno == EWOULDBLOCK));
}

void set_timeouts(int fd, int timeout_ms) {
  timeval tv = {timeout_ms / 1000, (timeout_ms % 1000) * 1000};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

}  // namespace

loopback_listener::loopback_listener(int receive_buffer) {
  fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int one = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  if (receive_buffer > 0) setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receive_buffer, sizeof receive_buffer);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, (sockaddr*)&address, sizeof address);
  listen(fd, 4);
  socklen_t size = sizeof address;
  getsockname(fd, (sockaddr*)&address, &size);
  port_ = ntohs(address.sin_port);
}

loopback_listener::~loopback_listener() { close_listener(); }

void loopback_listener::close_listener() {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

int loopback_listener::accept_client(int timeout_ms) {
  pollfd p = {fd, POLLIN, 0};
  if (poll(&p, 1, timeout_ms) != 1) return -1;
  int client = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
  if (client >= 0) set_timeouts(client, 10000);
  return client;
}

int closed_loopback_port() {
  loopback_listener listener;
  return listener.port();
}

void reset_connection(int fd) {
  linger hard = {1, 0};
  setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  ::close(fd);
}

std::string read_plain(int fd, size_t count, int timeout_ms) {
  std::string got;
  long long deadline = now_ms() + timeout_ms;
  while (got.size() < count && now_ms() < deadline) {
    pollfd p = {fd, POLLIN, 0};
    if (poll(&p, 1, 100) != 1) continue;
    char buffer[65536];
    ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    got.append(buffer, (size_t)n);
  }
  return got;
}

tls_test_server::tls_test_server(int receive_buffer) : listener(receive_buffer), context(make_server_context()) {}

tls_test_server::~tls_test_server() {
  join();
  SSL_CTX_free(context);
}

void tls_test_server::serve(session_fn session) {
  worker = std::thread([this, session]() {
    int fd = listener.accept_client();
    if (fd < 0) return;
    SSL* tls = SSL_new(context);
    SSL_set_fd(tls, fd);
    if (SSL_accept(tls) == 1) session(tls, fd);
    SSL_free(tls);
    ::close(fd);
  });
}

void tls_test_server::join() {
  if (worker.joinable()) worker.join();
}

std::string tls_test_server::read_line(SSL* tls, int timeout_ms) {
  std::string line;
  long long deadline = now_ms() + timeout_ms;
  char c;
  while (now_ms() < deadline) {
    int n = SSL_read(tls, &c, 1);
    if (n <= 0) {
      if (timed_out(tls, n)) continue;
      return "";
    }
    if (c == '\n') return line;
    line += c;
  }
  return "";
}

std::string tls_test_server::read_bytes(SSL* tls, size_t count, int timeout_ms) {
  std::string got;
  long long deadline = now_ms() + timeout_ms;
  char buffer[65536];
  while (got.size() < count && now_ms() < deadline) {
    int n = SSL_read(tls, buffer, sizeof buffer);
    if (n <= 0) {
      if (timed_out(tls, n)) continue;
      break;
    }
    got.append(buffer, (size_t)n);
  }
  return got;
}

void tls_test_server::write_all(SSL* tls, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    int n = SSL_write(tls, data.data() + done, (int)(data.size() - done));
    if (n <= 0) return;
    done += (size_t)n;
  }
}

void tls_test_server::close_cleanly(SSL* tls) { SSL_shutdown(tls); }
