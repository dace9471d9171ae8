#include "net/quor_tcp_socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netdb.h>
#include <openssl/err.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/tls_context.h"
#include "util/debug_log.h"

namespace {

const char* cipher_list = "HIGH:@STRENGTH:!aNULL";

long long now_ms() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

// Milliseconds left until the deadline; -1 (no limit) for a negative deadline.
int remaining_ms(long long deadline) {
  if (deadline < 0) return -1;
  long long left = deadline - now_ms();
  if (left < 0) return 0;
  return left > INT_MAX ? INT_MAX : (int)left;
}

enum wait_result { wait_failed = -1, wait_timeout = 0, wait_ready = 1, wait_exception = 2 };

// poll() rather than select(): descriptors above FD_SETSIZE stay safe. Urgent data is the
// exception condition; errors and hang-ups count as ready, the next call reports them.
int wait_fd(int fd, bool for_write, int timeout_ms) {
  pollfd p = {fd, (short)((for_write ? POLLOUT : POLLIN) | POLLPRI), 0};
  int r = poll(&p, 1, timeout_ms);
  if (r < 0) return wait_failed;
  if (r == 0) return wait_timeout;
  if (p.revents & POLLPRI) return wait_exception;
  return wait_ready;
}

void set_blocking(int fd, bool blocking) {
  int flags = fcntl(fd, F_GETFL, 0);
  if (flags < 0) return;
  fcntl(fd, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK));
}

}  // namespace

bool parse_dotted_quad(const char* host, in_addr* address) {
  unsigned value[4] = {0, 0, 0, 0};
  int part = 0, digits = 0, part_digits = 0;
  for (const char* c = host; *c; c++) {
    if (*c >= '0' && *c <= '9') {
      digits++;
      part_digits++;
      value[part] = value[part] * 10 + (unsigned)(*c - '0');
      if (value[part] > 255 || digits > 12) return false;
    } else if (*c == '.' && part_digits > 0 && part < 3) {
      part++;
      part_digits = 0;
    } else {
      return false;
    }
  }
  if (part != 3 || part_digits == 0 || digits < 4) return false;
  address->s_addr = htonl((value[0] << 24) | (value[1] << 16) | (value[2] << 8) | value[3]);
  return true;
}

bool lookup_ipv4_address(const char* host, in_addr* address) {
  if (!host || !address) return false;
  if (parse_dotted_quad(host, address)) return true;
  addrinfo hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return false;
  *address = ((const sockaddr_in*)found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return true;
}

quor_tcp_socket::~quor_tcp_socket() {
  if (fd >= 0) {
    debug_log_message("Error in ~quor_tcp_socket(), socket not closed.", LOG_WARNING);
    close();
  }
  if (tls) SSL_free(tls);
}

int quor_tcp_socket::enable_ssl() {
  if (state != unconnected) {
    debug_log_message("Error in quor_tcp_socket::enable_ssl(), socket not in unconnected state.", LOG_WARNING);
    return 0;
  }
  if (tls_enabled) debug_log_message("Error in quor_tcp_socket::enable_ssl(), ssl already enabled.", LOG_WARNING);
  tls_enabled = true;
  return 1;
}

int quor_tcp_socket::disable_ssl() {
  if (state != unconnected) {
    debug_log_message("Error in quor_tcp_socket::disable_ssl(), socket not in unconnected state.", LOG_WARNING);
    return 0;
  }
  tls_enabled = false;
  if (tls) SSL_free(tls);
  tls = nullptr;
  return 1;
}

int quor_tcp_socket::start_nonblocking_connect(in_addr address, int port) {
  if (state == connecting || state == handshaking) {
    write_error = EINPROGRESS;
    return -1;
  }
  if (state == connected) {
    write_error = EISCONN;
    return -1;
  }
  if (fd >= 0) {
    debug_log_message("Error in quor_tcp_socket::start_nonblocking_connect(), socket not closed.", LOG_WARNING);
    ::close(fd);
    fd = -1;
  }
  fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    debug_log_message("Error in quor_tcp_socket::start_nonblocking_connect(), unable to create new socket?",
                      LOG_RESOURCE);
    write_error = EBADF;
    return -1;
  }
  state = connecting;
  peer = {};
  peer.sin_family = AF_INET;
  peer.sin_port = htons((uint16_t)port);
  peer.sin_addr = address;
  set_blocking(fd, false);
  if (connect(fd, (const sockaddr*)&peer, sizeof peer) == 0) {
    write_error = 0;
    return ssl_try_connect(false);
  }
  write_error = errno;
  if (errno == EINTR || errno == EAGAIN || errno == EALREADY || errno == EINPROGRESS) return 0;
  if (errno == EISCONN)
    debug_log_message("Error in quor_tcp_socket::start_nonblocking_connect(), socket already connected?", LOG_WARNING);
  close();
  return -1;
}

int quor_tcp_socket::connect_error_of_socket() {
  int error = 0;
  socklen_t size = sizeof error;
  if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) < 0) return errno;
  return error;
}

int quor_tcp_socket::poll_connect() {
  if (state == connected) {
    write_error = EISCONN;
    return -1;
  }
  if (state == handshaking) return ssl_retry_connect();
  if (state == unconnected) {
    write_error = ENOTCONN;
    return -1;
  }
  int ready = wait_fd(fd, true, 0);
  if (ready == wait_failed) {
    write_error = errno;
    if (errno == EINTR) return 0;
    close();
    return -1;
  }
  if (ready == wait_timeout) return 0;
  if (ready == wait_exception) {
    write_error = ECONNRESET;
    close();
    return -1;
  }
  // Writable also means "the connect failed": the socket's pending error tells which.
  int error = connect_error_of_socket();
  if (error) {
    write_error = error;
    close();
    return -1;
  }
  return ssl_try_connect(false);
}

int quor_tcp_socket::get_state() {
  // A handshake in progress advances here too; a failed one leaves nothing half open.
  if (state == connecting || state == handshaking) {
    if (poll_connect() < 0 && state != unconnected) close();
  }
  return state;
}

int quor_tcp_socket::connect_with_timeout(in_addr address, int port, int milliseconds) {
  long long deadline = milliseconds < 0 ? -1 : now_ms() + milliseconds;
  bool was_unconnected = state == unconnected;
  int result = start_nonblocking_connect(address, port);
  if (result == 1) return 1;
  if (result < 0) {
    // A refused start on a busy socket leaves that connection alone.
    if (was_unconnected && state != unconnected) close();
    return -1;
  }
  if (state == connecting) {
    for (;;) {
      int ready = wait_fd(fd, true, remaining_ms(deadline));
      if (ready == wait_ready) break;
      if (ready == wait_failed && errno == EINTR) continue;
      write_error = ready == wait_timeout ? ETIMEDOUT : ready == wait_exception ? ECONNRESET : errno;
      close();
      return -1;
    }
    int error = connect_error_of_socket();
    if (error) {
      write_error = error;
      close();
      return -1;
    }
    result = ssl_try_connect(false);
    if (result == 1) return 1;
    if (result < 0) {
      if (state != unconnected) close();
      return -1;
    }
  }
  // The handshake shares the deadline, so a peer that accepts and then stays silent
  // holds the caller no longer than the connect itself could.
  if (finish_handshake(deadline) == 1) return 1;
  if (write_error == ETIMEDOUT && debug_level > 1)
    debug_log("Warning in quor_tcp_socket::connect_with_timeout(), no handshake answer within %d ms.\n",
              milliseconds);
  close();
  return -1;
}

int quor_tcp_socket::finish_handshake(long long deadline) {
  for (;;) {
    int ready = wait_fd(fd, handshake_wants_write, remaining_ms(deadline));
    if (ready == wait_failed && errno == EINTR) continue;
    if (ready != wait_ready) {
      write_error = ready == wait_timeout ? ETIMEDOUT : ready == wait_exception ? ECONNRESET : errno;
      return -1;
    }
    int result = ssl_retry_connect();
    if (result != 0) return result;
  }
}

int quor_tcp_socket::fail_tls_setup(const char* text) {
  debug_log_message(text, LOG_WARNING);
  close();
  write_error = ECONNABORTED;
  return -1;
}

int quor_tcp_socket::ssl_try_connect(bool blocking) {
  if (!tls_enabled) {
    state = connected;
    return 1;
  }
  if (state != connecting)
    return fail_tls_setup("Error in quor_tcp_socket::ssl_try_connect(), socket not in connecting state.");
  if (tls) SSL_free(tls);
  SSL_CTX* context = quor_ssl_context();
  tls = context ? SSL_new(context) : nullptr;
  if (!tls) {
    debug_log_message(
        "Unable to allocate SSL struct in quor_tcp_socket::ssl_try_connect(), did you run quor_ssl_startup()?",
        LOG_WARNING);
    quor_ssl_log_error(0, LOG_TRACE);
    // Reported as a failure, not as "in progress": no later poll could ever finish this connect.
    close();
    write_error = ECONNABORTED;
    return -1;
  }
  if (!SSL_set_cipher_list(tls, cipher_list))
    return fail_tls_setup("Error in quor_tcp_socket::ssl_try_connect(), unable to set cipher list?");
  if (!SSL_set_fd(tls, fd)) return fail_tls_setup("Error in quor_tcp_socket::ssl_try_connect(), set_fd failed?");
  state = handshaking;
  if (!blocking) return ssl_retry_connect();
  set_blocking(fd, true);
  int result = ssl_retry_connect();
  set_blocking(fd, false);
  return result;
}

int quor_tcp_socket::ssl_retry_connect() {
  if (!tls) {
    debug_log_message("Error in quor_tcp_socket::ssl_retry_connect(), NULL ssl context?", LOG_WARNING);
    write_error = ECONNABORTED;
    return -1;
  }
  ERR_clear_error();
  int result = SSL_connect(tls);
  if (result == 1) {
    state = connected;
    return 1;
  }
  int error = SSL_get_error(tls, result);
  if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
    handshake_wants_write = error == SSL_ERROR_WANT_WRITE;
    return 0;
  }
  if (error == SSL_ERROR_ZERO_RETURN) {
    debug_log_message("Controlled ssl close in quor_tcp_socket::ssl_retry_connect(), bailing.", LOG_CONNECTION);
  } else if (result == 0) {
    debug_log_message("Warning in quor_tcp_socket::ssl_retry_connect(), SSL connect failed due to protocol issue.",
                      LOG_CONNECTION);
  } else {
    debug_log_message("SSL connect failed in quor_tcp_socket::ssl_retry_connect().", LOG_CONNECTION);
    quor_ssl_log_error(error, LOG_TRACE);
  }
  ERR_clear_error();
  write_error = ECONNABORTED;
  return -1;
}

int quor_tcp_socket::nonblocking_read(char* buffer, int size) {
  if (state != connected) {
    read_error = ENOTCONN;
    return -1;
  }
  if (!buffer || size <= 0) return 0;
  if (tls_enabled) {
    ERR_clear_error();
    int count = SSL_read(tls, buffer, size);
    if (count > 0) return count;
    int error = SSL_get_error(tls, count);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) return 0;
    if (error == SSL_ERROR_ZERO_RETURN) {
      read_error = 0;
    } else {
      debug_log_message("Unexpected ssl close in quor_tcp_socket::nonblocking_read().", LOG_TRACE);
      read_error = ECONNABORTED;
    }
    ERR_clear_error();
    close();
    return -1;
  }
  ssize_t count = recv(fd, buffer, (size_t)size, 0);
  if (count > 0) return (int)count;
  if (count == 0) {
    read_error = 0;
    close();
    return -1;
  }
  read_error = errno;
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
  close();
  return -1;
}

int quor_tcp_socket::nonblocking_write(const char* data, int length) {
  if (state != connected) {
    write_error = ENOTCONN;
    return -1;
  }
  if (!data || length <= 0) return 0;
  if (tls_enabled) {
    ERR_clear_error();
    int count = SSL_write(tls, data, length);
    if (count > 0) return count;
    int error = SSL_get_error(tls, count);
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) return 0;
    if (error == SSL_ERROR_ZERO_RETURN) {
      debug_log_message("Clean SSL shutdown in quor_tcp_socket::nonblocking_write().", LOG_TRACE);
      write_error = 0;
    } else {
      debug_log_message("Unexpected ssl close in quor_tcp_socket::nonblocking_write().", LOG_TRACE);
      write_error = ECONNABORTED;
    }
    ERR_clear_error();
    close();
    return -1;
  }
  ssize_t count = send(fd, data, (size_t)length, MSG_NOSIGNAL);
  if (count >= 0) return (int)count;
  write_error = errno;
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
  close();
  return -1;
}

int quor_tcp_socket::read_with_timeout(char* buffer, int size, int milliseconds) {
  if (state != connected) {
    read_error = ENOTCONN;
    return -1;
  }
  if (!buffer || size <= 0) return 0;
  // Decrypted bytes may already wait inside the TLS layer, where the descriptor cannot show them.
  if (tls_enabled) {
    int count = nonblocking_read(buffer, size);
    if (count != 0) return count;
  }
  int ready = wait_fd(fd, false, milliseconds);
  if (ready == wait_exception) {
    read_error = ECONNRESET;
    close();
    return -1;
  }
  if (ready == wait_ready) return nonblocking_read(buffer, size);
  if (ready == wait_timeout || errno == EAGAIN || errno == EINTR) return 0;
  read_error = errno;
  close();
  return -1;
}

int quor_tcp_socket::write_with_timeout(const char* data, int length, int milliseconds) {
  if (state != connected) {
    write_error = ENOTCONN;
    return -1;
  }
  if (!data || length <= 0) return 0;
  if (tls_enabled) {
    int count = nonblocking_write(data, length);
    if (count != 0) return count;
  }
  int ready = wait_fd(fd, true, milliseconds);
  if (ready == wait_exception) {
    write_error = ECONNRESET;
    close();
    return -1;
  }
  if (ready == wait_ready) return nonblocking_write(data, length);
  if (ready == wait_timeout || errno == EAGAIN || errno == EINTR) return 0;
  write_error = errno;
  close();
  return -1;
}

void quor_tcp_socket::close() {
  state = unconnected;
  if (fd >= 0) {
    ::close(fd);
    fd = -1;
  }
}
