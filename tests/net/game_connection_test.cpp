#include "net/game_connection.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include "loopback_servers.h"
#include "net/tls_context.h"
#include "support/log_capture.h"

namespace {

const char* uuid = "DFLTabcdef0123456789abcdef012345";

// Records the main text: plain text as it is, colour changes and refreshes in brackets.
class recording_output : public text_output {
 public:
  void display_socket_data(const char* data, int length) override { text.append(data, (size_t)length); }
  void output_text(const char* t) override { text += t; }
  void set_colors(int attributes, int color) override {
    char mark[32];
    snprintf(mark, sizeof mark, "[%d,%x]", attributes, color);
    text += mark;
  }
  void reset_colors() override { text += "[reset]"; }
  void follow_end() override { text += "[end]"; }
  void refresh() override { refreshes++; }
  bool has_partial_line() const override { return false; }
  void flush_partial_line() override {}
  bool contains(const std::string& part) const { return text.find(part) != std::string::npos; }
  std::string text;
  int refreshes = 0;
};

class recording_host : public game_connection_host {
 public:
  void ring_bell() override { calls += "bell "; }
  void set_password_mode(bool on) override { calls += on ? "password-on " : "password-off "; }
  void connect_starting() override { calls += "starting "; }
  void connect_succeeded() override { calls += "connected "; }
  void drop_resetting() override {
    calls += "drop-reset ";
    login_state_at_reset = connection ? connection->get_login_state() : -1;
  }
  void drop_finished() override { calls += "drop-done "; }
  std::string calls;
  const quor_game_connection* connection = nullptr;
  int login_state_at_reset = -1;
};

class connection_test : public ::testing::Test {
 protected:
  void SetUp() override {
    signal(SIGPIPE, SIG_IGN);
    ASSERT_EQ(init_ssl(), 1);
    host.connection = &connection;
  }
  void point_at(int port) {
    game_server_address address;
    snprintf(address.host, sizeof address.host, "127.0.0.1");
    address.port = port;
    connection.set_server(address);
  }
  // Runs ticks 20 ms apart until the predicate holds, at most `ticks` of them.
  template <class predicate>
  bool tick_until(predicate done, int ticks = 500) {
    for (int i = 0; i < ticks; i++) {
      connection.socket_handler(uuid);
      if (done()) return true;
      usleep(20000);
    }
    return false;
  }
  recording_output text;
  recording_host host;
  quor_game_connection connection{text, host};
};

TEST_F(connection_test, first_tick_connects_and_the_login_line_comes_first) {
  tls_test_server server;
  std::string first, second;
  server.serve([&](SSL* tls, int) {
    first = tls_test_server::read_line(tls);
    second = tls_test_server::read_line(tls);
  });
  point_at(server.port());
  connection.socket_handler(uuid);
  EXPECT_TRUE(text.contains("[end][reset]\n\nConnecting to server...\n"));
  EXPECT_EQ(host.calls, "starting connected ");
  ASSERT_TRUE(connection.is_connected());
  connection.send_line("look");
  ASSERT_TRUE(tick_until([&] { return connection.get_outgoing().size() == 0; }));
  server.join();
  EXPECT_EQ(first, std::string("_vClient ") + uuid + " 1.095-gtk-test1");
  EXPECT_EQ(second, "look");
  connection.get_socket().close();
}

TEST_F(connection_test, clean_close_by_the_server) {
  tls_test_server server;
  server.serve([&](SSL* tls, int) {
    tls_test_server::read_line(tls);
    tls_test_server::write_all(tls, "Bye.\r\n");
    tls_test_server::close_cleanly(tls);
  });
  point_at(server.port());
  connection.set_login_state(quor_game_connection::login_playing);
  ASSERT_TRUE(tick_until([&] { return text.contains("Connection closed by server."); }));
  server.join();
  EXPECT_TRUE(text.contains("Bye.\r\n"));
  EXPECT_TRUE(text.contains("[reset]\n\nConnection closed by server.\n\nTo log in again, type '[1,33]connect[0,37]' or use "
                            "the [1,33]File / Connect[0,37] menu option.\n\n"));
  EXPECT_EQ(connection.get_login_state(), quor_game_connection::login_none);
  // The panels are reset for a client that no longer plays.
  EXPECT_EQ(host.login_state_at_reset, quor_game_connection::login_none);
  EXPECT_EQ(host.calls, "starting connected drop-reset drop-done ");
  // The next ticks find nothing more to report.
  tick_until([] { return false; }, 3);
  EXPECT_EQ(host.calls, "starting connected drop-reset drop-done ");
}

TEST_F(connection_test, reset_by_the_server_is_a_lost_connection) {
  tls_test_server server;
  server.serve([&](SSL* tls, int fd) {
    tls_test_server::read_line(tls);
    reset_connection(dup(fd));
  });
  point_at(server.port());
  ASSERT_TRUE(tick_until([&] { return text.contains("Connection to server lost."); }));
  server.join();
  EXPECT_FALSE(text.contains("Connection closed by server."));
}

TEST_F(connection_test, refused_connect_tells_the_player) {
  point_at(closed_loopback_port());
  connection.socket_handler(uuid);
  EXPECT_TRUE(text.contains("Connecting to server...\n"));
  EXPECT_TRUE(text.contains("\n\nUnable to connect to server.\n\n"));
  EXPECT_EQ(host.calls, "starting drop-reset drop-done ");
  EXPECT_FALSE(connection.is_connected());
  // Only the first tick connects by itself.
  connection.socket_handler(uuid);
  EXPECT_EQ(host.calls, "starting drop-reset drop-done ");
}

TEST_F(connection_test, a_requested_disconnect_is_not_reported_again_as_lost) {
  tls_test_server server;
  server.serve([&](SSL* tls, int) { tls_test_server::read_bytes(tls, 1000000, 2000); });
  point_at(server.port());
  ASSERT_TRUE(tick_until([&] { return connection.get_outgoing().size() == 0; }));
  connection.socket_handler(uuid);
  connection.drop_connection("Disconnecting.");
  connection.socket_handler(uuid);
  connection.socket_handler(uuid);
  server.join();
  EXPECT_TRUE(text.contains("Disconnecting."));
  EXPECT_FALSE(text.contains("Connection to server lost."));
}

TEST_F(connection_test, a_slow_reader_gets_every_byte_in_order) {
  // Small buffers on both ends and a reader that waits: writes come back partial or empty.
  tls_test_server server(4096);
  std::atomic<bool> start_reading{false};
  std::atomic<size_t> expected_size{0};
  std::string received;
  server.serve([&](SSL* tls, int) {
    tls_test_server::read_line(tls);
    for (int i = 0; i < 1000 && !start_reading; i++) usleep(10000);
    received = tls_test_server::read_bytes(tls, expected_size, 30000);
  });
  point_at(server.port());
  ASSERT_TRUE(tick_until([&] { return connection.get_outgoing().size() == 0; }));
  int small = 4096;
  setsockopt(connection.get_socket().descriptor(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small);

  std::string expected;
  bool kept_some = false;
  // Until a tick leaves bytes behind, and a little beyond, at most about 16 MB.
  for (int tick = 0, after = 0; tick < 2000 && after < 20; tick++) {
    while (connection.get_outgoing().size() < 10000 - 12) {
      char line[24];
      snprintf(line, sizeof line, "line %06d", (int)(expected.size() / 12));
      connection.send_line(line);
      expected += line;
      expected += '\n';
    }
    connection.socket_handler(uuid);
    if (connection.get_outgoing().size() > 0) kept_some = true;
    if (kept_some) after++;
  }
  ASSERT_TRUE(kept_some);
  expected_size = expected.size();
  start_reading = true;
  ASSERT_TRUE(tick_until([&] { return connection.get_outgoing().size() == 0; }, 1500));
  server.join();
  EXPECT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected);
  connection.get_socket().close();
}

TEST_F(connection_test, parsed_stream_reaches_text_host_and_tags) {
  log_capture log;
  connection.process_socket_data("hello;tping;\x07", 13);
  EXPECT_EQ(text.text, "hello");
  EXPECT_EQ(text.refreshes, 1);
  EXPECT_EQ(host.calls, "bell ");
  EXPECT_TRUE(log.contains("process_tagged_data() - tag 'ping', 0 bytes"));
  connection.process_socket_data("\xff\xfe\x01", 3);
  connection.process_socket_data("\xff\xfd\x01", 3);
  EXPECT_EQ(host.calls, "bell password-on password-off ");
  EXPECT_EQ(text.text, "hello\n");
  // A block without text refreshes nothing.
  EXPECT_EQ(text.refreshes, 2);
}

TEST_F(connection_test, diverted_text_goes_to_the_other_display) {
  recording_output popup;
  connection.set_current_output(&popup);
  connection.process_socket_data("aside", 5);
  connection.set_current_output(nullptr);
  connection.process_socket_data("main", 4);
  EXPECT_EQ(popup.text, "aside");
  EXPECT_EQ(popup.refreshes, 1);
  EXPECT_EQ(text.text, "main");
}

TEST_F(connection_test, end_current_line_resets_the_parser) {
  connection.process_socket_data(";sfoo;unfinished", 16);
  connection.end_current_line();
  EXPECT_EQ(connection.get_parser().get_state(), quor_stream_parser::state_text);
  connection.process_socket_data("text", 4);
  EXPECT_EQ(text.text, "[end][reset]\ntext");
}

TEST_F(connection_test, ping_and_status_report_only_go_out_while_playing) {
  connection.send_ping();
  EXPECT_EQ(connection.get_outgoing().size(), 0);
  connection.set_login_state(quor_game_connection::login_playing);
  connection.send_ping();
  EXPECT_EQ(std::string(connection.get_outgoing().data(), (size_t)connection.get_outgoing().size()), "vcping\n");
  EXPECT_EQ(connection.get_ping_count(), 1);
  EXPECT_GE(connection.ping_elapsed_ms(), 0);

  connection.request_status_report();
  connection.request_status_report();
  EXPECT_TRUE(connection.is_status_report_needed());
  status_report_settings settings;
  settings.sounds_enabled = true;
  connection.send_status_report(settings);
  EXPECT_FALSE(connection.is_status_report_needed());
  EXPECT_EQ(std::string(connection.get_outgoing().data(), (size_t)connection.get_outgoing().size()),
            "vcping\nvclstatus 10000000000000000000  0  0  0\n");
}

}  // namespace
