#include "net/quor_tcp_socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#include "loopback_servers.h"
#include "net/tls_context.h"
#include "support/log_capture.h"

namespace {

in_addr loopback() {
  in_addr a;
  a.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

class socket_test : public ::testing::Test {
 protected:
  void SetUp() override {
    // As the client does at start-up: a write to a closed peer must fail, not end the process.
    signal(SIGPIPE, SIG_IGN);
    ASSERT_EQ(init_ssl(), 1);
  }
  // Drives a non-blocking connect to its end, at most about five seconds.
  int poll_until_settled(quor_tcp_socket& s) {
    for (int i = 0; i < 500 && (s.get_state() & 6); i++) usleep(10000);
    return s.get_state();
  }
  // Reads until something arrives or the socket closes.
  int read_some(quor_tcp_socket& s, char* buffer, int size) {
    for (int i = 0; i < 50; i++) {
      int n = s.read_with_timeout(buffer, size, 100);
      if (n != 0) return n;
    }
    return 0;
  }
};

TEST(dotted_quad, table) {
  struct row {
    const char* text;
    bool quad;
    const char* address;
  } rows[] = {
      {"10.0.0.1", true, "10.0.0.1"},
      {"127.0.0.1", true, "127.0.0.1"},
      {"255.255.255.255", true, "255.255.255.255"},
      {"0.0.0.0", true, "0.0.0.0"},
      {"10.0.0", false, nullptr},
      {"1.2.3.4.5", false, nullptr},
      {"256.1.1.1", false, nullptr},
      {"1..2.3", false, nullptr},
      {".1.2.3", false, nullptr},
      {"1.2.3.", false, nullptr},
      {"1.2.3.4 ", false, nullptr},
      {"a.b.c.d", false, nullptr},
      {"001.002.003.0004", false, nullptr},  // 13 digits
      {"", false, nullptr},
  };
  for (const row& r : rows) {
    in_addr a = {};
    EXPECT_EQ(parse_dotted_quad(r.text, &a), r.quad) << r.text;
    if (r.quad) {
      char text[INET_ADDRSTRLEN];
      EXPECT_STREQ(inet_ntop(AF_INET, &a, text, sizeof text), r.address);
    }
  }
}

TEST(lookup, quad_and_local_name) {
  in_addr a = {};
  ASSERT_TRUE(lookup_ipv4_address("10.0.0.1", &a));
  EXPECT_EQ(ntohl(a.s_addr), 0x0a000001u);
  // From the hosts file, so no name server is asked.
  ASSERT_TRUE(lookup_ipv4_address("localhost", &a));
  EXPECT_EQ(ntohl(a.s_addr) >> 24, 127u);
}

TEST_F(socket_test, unconnected_socket_refuses_io) {
  quor_tcp_socket s;
  char buffer[8];
  EXPECT_EQ(s.get_state(), quor_tcp_socket::unconnected);
  EXPECT_EQ(s.nonblocking_read(buffer, sizeof buffer), -1);
  EXPECT_EQ(s.get_read_error(), ENOTCONN);
  EXPECT_EQ(s.nonblocking_write("x", 1), -1);
  EXPECT_EQ(s.get_write_error(), ENOTCONN);
  EXPECT_EQ(s.read_with_timeout(buffer, sizeof buffer, 10), -1);
  EXPECT_EQ(s.poll_connect(), -1);
  EXPECT_EQ(s.get_write_error(), ENOTCONN);
}

TEST_F(socket_test, plain_connect_read_write_and_clean_close) {
  loopback_listener listener;
  quor_tcp_socket s;
  int started = s.start_nonblocking_connect(loopback(), listener.port());
  ASSERT_GE(started, 0);
  ASSERT_EQ(poll_until_settled(s), quor_tcp_socket::connected);
  int peer = listener.accept_client();
  ASSERT_GE(peer, 0);

  EXPECT_EQ(s.nonblocking_write("", 0), 0);
  EXPECT_EQ(s.nonblocking_write(nullptr, 5), 0);
  EXPECT_EQ(s.nonblocking_write("hello\n", 6), 6);
  EXPECT_EQ(read_plain(peer, 6), "hello\n");

  char buffer[64];
  EXPECT_EQ(s.nonblocking_read(buffer, sizeof buffer), 0);  // nothing yet
  ASSERT_EQ(write(peer, "abc", 3), 3);
  ASSERT_EQ(read_some(s, buffer, sizeof buffer), 3);
  EXPECT_EQ(std::string(buffer, 3), "abc");

  close(peer);
  EXPECT_EQ(read_some(s, buffer, sizeof buffer), -1);
  EXPECT_EQ(s.get_read_error(), 0);
  EXPECT_EQ(s.get_state(), quor_tcp_socket::unconnected);
  EXPECT_EQ(s.descriptor(), -1);
}

TEST_F(socket_test, plain_reset_reports_the_system_error) {
  loopback_listener listener;
  quor_tcp_socket s;
  ASSERT_EQ(s.connect_with_timeout(loopback(), listener.port(), 2000), 1);
  int peer = listener.accept_client();
  ASSERT_GE(peer, 0);
  reset_connection(peer);
  char buffer[16];
  EXPECT_EQ(read_some(s, buffer, sizeof buffer), -1);
  EXPECT_EQ(s.get_read_error(), ECONNRESET);
}

TEST_F(socket_test, second_connect_and_enable_ssl_leave_a_live_connection_alone) {
  loopback_listener listener;
  quor_tcp_socket s;
  ASSERT_EQ(s.connect_with_timeout(loopback(), listener.port(), 2000), 1);
  int peer = listener.accept_client();
  ASSERT_GE(peer, 0);
  log_capture log;

  EXPECT_EQ(s.start_nonblocking_connect(loopback(), listener.port()), -1);
  EXPECT_EQ(s.get_write_error(), EISCONN);
  EXPECT_EQ(s.connect_with_timeout(loopback(), listener.port(), 100), -1);
  EXPECT_EQ(s.enable_ssl(), 0);
  EXPECT_FALSE(s.ssl_enabled());
  EXPECT_TRUE(log.contains("Error in quor_tcp_socket::enable_ssl(), socket not in unconnected state."));
  EXPECT_EQ(s.disable_ssl(), 0);

  EXPECT_EQ(s.get_state(), quor_tcp_socket::connected);
  EXPECT_EQ(s.nonblocking_write("still\n", 6), 6);
  EXPECT_EQ(read_plain(peer, 6), "still\n");
  close(peer);
  s.close();
}

TEST_F(socket_test, refused_connect_fails_with_the_system_error) {
  quor_tcp_socket s;
  EXPECT_EQ(s.connect_with_timeout(loopback(), closed_loopback_port(), 2000), -1);
  EXPECT_EQ(s.get_write_error(), ECONNREFUSED);
  EXPECT_EQ(s.get_state(), quor_tcp_socket::unconnected);

  // The polled path reports the same instead of a connection that is not there.
  int started = s.start_nonblocking_connect(loopback(), closed_loopback_port());
  if (started == 0) {
    EXPECT_EQ(poll_until_settled(s), quor_tcp_socket::unconnected);
  }
  EXPECT_EQ(s.get_write_error(), ECONNREFUSED);
}

TEST_F(socket_test, tls_connect_exchange_and_clean_close) {
  tls_test_server server;
  std::string got;
  server.serve([&](SSL* tls, int) {
    got = tls_test_server::read_line(tls);
    tls_test_server::write_all(tls, "answer\n");
    tls_test_server::close_cleanly(tls);
  });
  quor_tcp_socket s;
  ASSERT_EQ(s.enable_ssl(), 1);
  ASSERT_EQ(s.connect_with_timeout(loopback(), server.port(), 5000), 1);
  EXPECT_EQ(s.nonblocking_write("question\n", 9), 9);
  char buffer[64];
  int n = read_some(s, buffer, sizeof buffer);
  ASSERT_EQ(n, 7);
  EXPECT_EQ(std::string(buffer, 7), "answer\n");
  EXPECT_EQ(read_some(s, buffer, sizeof buffer), -1);
  EXPECT_EQ(s.get_read_error(), 0);
  server.join();
  EXPECT_EQ(got, "question");
}

TEST_F(socket_test, tls_connect_by_polling) {
  tls_test_server server;
  server.serve([&](SSL* tls, int) { tls_test_server::write_all(tls, "hi"); });
  quor_tcp_socket s;
  s.enable_ssl();
  ASSERT_GE(s.start_nonblocking_connect(loopback(), server.port()), 0);
  ASSERT_EQ(poll_until_settled(s), quor_tcp_socket::connected);
  char buffer[8];
  ASSERT_EQ(read_some(s, buffer, sizeof buffer), 2);
  server.join();
  s.close();
}

TEST_F(socket_test, tls_reset_is_a_lost_connection) {
  tls_test_server server;
  server.serve([&](SSL*, int fd) { reset_connection(dup(fd)); });
  quor_tcp_socket s;
  s.enable_ssl();
  ASSERT_EQ(s.connect_with_timeout(loopback(), server.port(), 5000), 1);
  server.join();
  char buffer[8];
  log_capture log;
  EXPECT_EQ(read_some(s, buffer, sizeof buffer), -1);
  EXPECT_NE(s.get_read_error(), 0);
  EXPECT_TRUE(log.contains("Unexpected ssl close in quor_tcp_socket::nonblocking_read()."));
}

TEST_F(socket_test, silent_peer_cannot_hold_the_handshake_past_the_limit) {
  // The kernel completes the TCP connect; nobody ever answers the TLS hello.
  loopback_listener listener;
  quor_tcp_socket s;
  s.enable_ssl();
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(s.connect_with_timeout(loopback(), listener.port(), 300), -1);
  long long took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(s.get_write_error(), ETIMEDOUT);
  EXPECT_EQ(s.get_state(), quor_tcp_socket::unconnected);
  EXPECT_GE(took, 250);
  EXPECT_LT(took, 3000);
}

TEST_F(socket_test, tls_handshake_against_a_plain_talker_fails) {
  loopback_listener listener;
  quor_tcp_socket s;
  s.enable_ssl();
  std::thread talker([&]() {
    int peer = listener.accept_client();
    if (peer < 0) return;
    const char text[] = "this is not tls at all\r\n";
    ssize_t written = write(peer, text, sizeof text - 1);
    (void)written;
    read_plain(peer, 1, 2000);
    close(peer);
  });
  EXPECT_EQ(s.connect_with_timeout(loopback(), listener.port(), 3000), -1);
  EXPECT_EQ(s.get_write_error(), ECONNABORTED);
  EXPECT_EQ(s.get_state(), quor_tcp_socket::unconnected);
  talker.join();
}

TEST_F(socket_test, destroying_an_open_socket_logs_and_closes) {
  loopback_listener listener;
  log_capture log;
  {
    quor_tcp_socket s;
    ASSERT_EQ(s.connect_with_timeout(loopback(), listener.port(), 2000), 1);
  }
  EXPECT_TRUE(log.contains("Error in ~quor_tcp_socket(), socket not closed."));
}

TEST_F(socket_test, write_with_timeout_waits_for_room) {
  loopback_listener listener(4096);
  quor_tcp_socket s;
  ASSERT_EQ(s.connect_with_timeout(loopback(), listener.port(), 2000), 1);
  int peer = listener.accept_client();
  ASSERT_GE(peer, 0);
  // Fill the path until a write finds no room, then check a timed write gives up in time.
  std::string block(65536, 'x');
  int zero_writes = 0;
  for (int i = 0; i < 2000 && zero_writes == 0; i++)
    if (s.nonblocking_write(block.data(), (int)block.size()) == 0) zero_writes++;
  ASSERT_EQ(zero_writes, 1);
  EXPECT_EQ(s.write_with_timeout(block.data(), (int)block.size(), 50), 0);
  EXPECT_EQ(s.get_state(), quor_tcp_socket::connected);
  close(peer);
  s.close();
}

}  // namespace
