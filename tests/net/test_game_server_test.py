#!/usr/bin/env python3
"""The test game server itself: port first, lines recorded, ping answered, bounded life."""
import os
import socket
import ssl
import sys
import time

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from test_game_server import PONG, GameServer  # noqa: E402


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


server = GameServer("idle", max_seconds=4)
try:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_CLIENT)
    context.check_hostname = False
    context.verify_mode = ssl.CERT_NONE
    with socket.create_connection(("127.0.0.1", server.port), timeout=10) as raw:
        with context.wrap_socket(raw) as tls:
            tls.sendall(b"_vClient " + b"a" * 32 + b" 1.095-gtk-test1\nvcping\nlook\n")
            answer = b""
            while len(answer) < len(PONG):
                chunk = tls.recv(100)
                if not chunk:
                    break
                answer += chunk
            if answer != PONG:
                fail("ping answered with %r" % answer)
    if not server.wait_for(lambda line: line == "RECV look", 10):
        fail("lines not recorded:\n" + server.text())
    if server.received() != ["_vClient " + "a" * 32 + " 1.095-gtk-test1", "vcping", "look"]:
        fail("received %r" % server.received())
    started = time.monotonic()
    if not server.wait_for(lambda line: line == "STOP max-seconds", 10):
        fail("the server did not stop by itself:\n" + server.text())
    if server.process.wait(timeout=10) != 0:
        fail("exit status %r" % server.process.returncode)
    if server.lines()[0] != "PORT %d" % server.port:
        fail("the port is not the first line")
finally:
    server.stop()


class Stream:
    """What the server sent, read up to a marker; bytes after the marker stay for the next call."""

    def __init__(self, tls):
        self.tls = tls
        self.pending = b""

    def until(self, marker, limit=100000):
        while marker not in self.pending and len(self.pending) < limit:
            chunk = self.tls.recv(4096)
            if not chunk:
                break
            self.pending += chunk
        at = self.pending.find(marker)
        end = len(self.pending) if at < 0 else at + len(marker)
        got, self.pending = self.pending[:end], self.pending[end:]
        return got


# The demo: a name, a password between echo off and echo on, the login tag, a room to walk to.
demo = GameServer("idle", max_seconds=20, extra_args=["--demo"])
try:
    with socket.create_connection(("127.0.0.1", demo.port), timeout=10) as raw:
        with context.wrap_socket(raw) as tls:
            stream = Stream(tls)
            tls.sendall(b"_vClient " + b"b" * 32 + b" 1.095-gtk-test1\n")
            if b"By what name" not in stream.until(b"known? "):
                fail("no name prompt")
            tls.sendall(b"Tester\n")
            if not stream.until(b"\xff\xfe\x01").endswith(b"Password: \xff\xfe\x01"):
                fail("no echo-off password prompt")
            tls.sendall(b"secret\n")
            text = stream.until(b"[Exits:")
            if not text.startswith(b"\xff\xfd\x01") or b";slogin;Tester;elogin;" not in text:
                fail("no echo-on and login tag: %r" % text)
            stream.until(b"> ")
            tls.sendall(b"n\n")
            if b"North Gate" not in stream.until(b"> "):
                fail("walking north failed")
finally:
    demo.stop()
print("PASS")
