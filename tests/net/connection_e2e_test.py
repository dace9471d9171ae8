#!/usr/bin/env python3
"""The real client against the test game server: login line, server text, tags, telnet echo,
clean close and reset, each checked in what the server received and in the client's log."""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, wait_for  # noqa: E402
from test_game_server import GameServer  # noqa: E402

LOGIN = re.compile(r"^_vClient [0-9A-Za-z]{32} 1\.095-gtk-test1$")
HINT = "main text: To log in again, type 'connect' or use the File / Connect menu option.\n"


def run(scenario, check):
    server = GameServer(scenario, max_seconds=60)
    client = Client(extra_env=server.env())
    try:
        window_id = client.window()
        if not server.wait_for(lambda line: line.startswith("RECV "), 20):
            fail("%s: the server received nothing; server:\n%s\nclient:\n%s" % (scenario, server.text(), client.log()))
        first = server.received()[0]
        if not LOGIN.match(first):
            fail("%s: first line was %r" % (scenario, first))
        check(server, client)
        client.close_window(window_id)
        status = client.wait_exit()
        if status != 0:
            fail("%s: exit status %r; log:\n%s" % (scenario, status, client.log()[-3000:]))
    finally:
        client.cleanup()
        server.stop()


def expect_log(client, text, scenario, timeout=15):
    if not client.wait_log(text, timeout):
        fail("%s: log lacks %r; log:\n%s" % (scenario, text, client.log()[-4000:]))


def check_idle(server, client):
    expect_log(client, "quor_mw::socket_connect() - socket connect ok.\n", "idle")
    if len(server.received()) != 1:
        fail("idle: the client sent more than its login line: %r" % server.received())


def check_ansi(server, client):
    # Only one parameter per escape is understood: after ESC [ 1 the ';' ends the sequence and
    # "31m" is shown as text.
    expect_log(client, "main text: 31mRed and green text.\nmain text: Plain line.\n", "ansi")


def main_text_joined(client):
    """The main text's lines run together: a line held back by slow bytes is delivered in parts
    (a prompt waits only three ticks for its newline)."""
    return "".join(line[len("main text: "):] for line in client.log().splitlines() if line.startswith("main text: "))


def check_split_tags(server, client):
    expect_log(client, "main text: ", "split_tags")
    if not wait_for(lambda: "beforemid;dleafter" in main_text_joined(client), 15):
        fail("split_tags: main text lacks 'beforemid;dleafter'; log:\n" + client.log()[-4000:])
    log = client.log()
    for expected in ["process_tagged_data() - tag 'foo', 3 bytes: 'bar'.\n",
                     "process_tagged_data() - tag 'bare', 0 bytes: ''.\n"]:
        if log.count(expected) != 1:
            fail("split_tags: %r seen %d times; log:\n%s" % (expected, log.count(expected), log[-4000:]))
    if "Warning in quor_mw::process_socket_data()" in log:
        fail("split_tags: a split tag was misread; log:\n" + log[-4000:])


def check_password(server, client):
    expect_log(client, "quor_mw - password mode on.\n", "password")
    expect_log(client, "main text: Password: \n", "password")


def check_close(server, client):
    expect_log(client, "main text: Closing now.\n", "close")
    expect_log(client, "main text: Connection closed by server.\nmain text: \n" + HINT, "close")
    if "Connection to server lost." in client.log():
        fail("close: a clean close was also reported as lost")


def check_reset(server, client):
    expect_log(client, "main text: Connection to server lost.\nmain text: \n" + HINT, "reset")
    if "Connection closed by server." in client.log():
        fail("reset: a reset was reported as a clean close")


run("idle", check_idle)
run("ansi", check_ansi)
run("split_tags", check_split_tags)
run("password", check_password)
run("close", check_close)
run("reset", check_reset)
print("PASS")
