#!/usr/bin/env python3
"""The command line end to end: typing, keypad walking, the demo's login with its hidden
password, and the history of a password prompt, against the test game server; the map
rebuild trigger line against a small server of its own.

What the main text shows is read from the debug log, where the main text window records each
line at debug level 3."""
import os
import socket
import ssl
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, run_quiet, wait_for  # noqa: E402
from test_game_server import GameServer, make_certificate  # noqa: E402

PASSWORD = "zq8Secret77"


def xdo(*args):
    result = run_quiet(["xdotool", *args], timeout=20)
    if result.returncode != 0:
        fail("xdotool %s failed: %s" % (" ".join(args), result.stderr))


def type_line(window_id, text):
    xdo("windowfocus", "--sync", str(window_id))
    if text:
        xdo("type", "--delay", "30", text)
    xdo("key", "Return")


def expect_received(server, line, timeout=15):
    if not server.wait_for(lambda out: out == "RECV " + line, timeout):
        fail("server never received %r; server:\n%s" % (line, server.text()[-2000:]))


def start(server):
    client = Client(extra_env=server.env())
    window_id = client.window()
    if not server.wait_for(lambda out: out.startswith("RECV _vClient "), 20):
        client.cleanup()
        fail("no login line; server:\n%s" % server.text())
    return client, window_id


def demo_login_and_walk():
    server = GameServer(max_seconds=120, extra_args=["--demo"])
    client = None
    try:
        client, window_id = start(server)
        time.sleep(0.5)
        type_line(window_id, "Aldric")
        expect_received(server, "Aldric")
        # The demo now switches the server's echo off and asks for the password.
        if not client.wait_log("quor_mw - password mode on", 15):
            fail("the client never entered password mode; log:\n" + client.log()[-3000:])
        type_line(window_id, PASSWORD)
        expect_received(server, PASSWORD)
        # The login tag names the character in the title.
        if not wait_for(lambda: run_quiet(["xdotool", "search", "--name", "^Vandrel - Player Aldric$"]).stdout.strip(),
                        15, 0.2):
            fail("title never became 'Vandrel - Player Aldric'; log:\n" + client.log()[-3000:])
        # Walking: one step per press.
        xdo("windowfocus", "--sync", str(window_id))
        xdo("key", "KP_8")
        expect_received(server, "north")
        xdo("key", "KP_2")
        expect_received(server, "south")
        xdo("keydown", "KP_6")
        time.sleep(1.2)
        xdo("keyup", "KP_6")
        expect_received(server, "east")
        time.sleep(0.5)
        easts = server.received().count("east")
        if easts != 1:
            fail("holding keypad 6 sent east %d times" % easts)
        # The client's own ping while playing, an abbreviation of it.
        pings = server.received().count("vcping")
        type_line(window_id, "//pin")
        if not wait_for(
                lambda: server.received().count("vcping") > pings, 15, 0.1):
            fail("//pin did not ping; server:\n" + server.text()[-2000:])
        type_line(window_id, "//history")
        if not client.wait_log("Recent Command History:", 15):
            fail("no history listing; log:\n" + client.log()[-3000:])
        time.sleep(0.5)
        log = client.log()
        if ">Aldric<" not in log:
            fail("the name was not echoed; log:\n" + log[-3000:])
        if PASSWORD in log:
            fail("the password appears in the client's output:\n" + log[-3000:])
    finally:
        if client:
            client.cleanup()
        server.stop()


def password_not_in_history():
    server = GameServer(scenario="password", max_seconds=120)
    client = None
    try:
        client, window_id = start(server)
        if not client.wait_log("quor_mw - password mode on", 15):
            fail("no password mode; log:\n" + client.log()[-3000:])
        type_line(window_id, PASSWORD)
        if not server.wait_for(lambda out: out.startswith("SENT echo on after"), 15):
            fail("password never arrived; server:\n" + server.text())
        if not client.wait_log("quor_mw - password mode off", 15):
            fail("password mode never ended")
        time.sleep(0.3)
        # Up then Enter would resend the newest history entry: there is none.
        xdo("windowfocus", "--sync", str(window_id))
        xdo("key", "Up")
        xdo("key", "Return")
        expect_received(server, "")
        type_line(window_id, "say done")
        expect_received(server, "say done")
        # Function keys send their aliases while connected; Control D sends a break.
        xdo("key", "F5")
        expect_received(server, "f05")
        xdo("key", "shift+F1")
        expect_received(server, "sf01")
        xdo("type", "junk")
        xdo("key", "ctrl+d")
        expect_received(server, "\\x03")
        type_line(window_id, "after")
        expect_received(server, "after")
        if "junkafter" in server.received():
            fail("Control D did not clear the input")
        if server.received().count(PASSWORD) != 1:
            fail("the password was sent again from the history: %r" % server.received())
        type_line(window_id, "//history")
        if not client.wait_log(" 1 - //history", 15) or " 3 - say done" not in client.log():
            fail("history listing lacks the typed command; log:\n" + client.log()[-3000:])
        if PASSWORD in client.log():
            fail("the password appears in the client's output")
    finally:
        if client:
            client.cleanup()
        server.stop()


class TriggerServer:
    """One TLS connection: after the login line it sends the map rebuild request and records
    the lines that come back."""

    def __init__(self):
        self.directory = tempfile.mkdtemp(prefix="vandrel-trigger-")
        self.context = make_certificate(self.directory)
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.listener.settimeout(30)
        self.port = self.listener.getsockname()[1]
        self.lines = []
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        try:
            raw, _ = self.listener.accept()
            raw.settimeout(30)
            with self.context.wrap_socket(raw, server_side=True) as tls:
                buffered = b""
                deadline = time.monotonic() + 30
                sent = False
                while time.monotonic() < deadline:
                    chunk = tls.recv(4096)
                    if not chunk:
                        return
                    buffered += chunk
                    while b"\n" in buffered:
                        line, _, buffered = buffered.partition(b"\n")
                        self.lines.append(line.decode("latin-1"))
                        if not sent and line.startswith(b"_vClient "):
                            tls.sendall(b"Bob imms: rebuild please\r\n")
                            sent = True
                    if len(self.lines) >= 3:
                        return
        except (OSError, ssl.SSLError):
            return

    def stop(self):
        self.listener.close()
        self.thread.join(timeout=35)


def trigger_line_answers():
    server = TriggerServer()
    client = Client(extra_env={"VANDREL_GAME_SERVER": "127.0.0.1:%d" % server.port})
    try:
        client.window()
        expected = ["aset remap",
                    "imm in progress, please wait approximately two minutes for maps to be built and transfer"]
        if not wait_for(lambda: server.lines[1:3] == expected, 30, 0.2):
            fail("the trigger line was answered with %r" % server.lines)
    finally:
        client.cleanup()
        server.stop()


demo_login_and_walk()
password_not_in_history()
trigger_line_answers()
print("PASS")
