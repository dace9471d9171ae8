#!/usr/bin/env python3
"""A server that accepts the connection and never answers the TLS handshake holds the client
for about five seconds at most; then the player is told and the window works again."""
import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, wait_for  # noqa: E402
from test_game_server import GameServer  # noqa: E402

server = GameServer("silent", max_seconds=60)
client = Client(extra_env=server.env())
try:
    if not client.wait_log("main text: Connecting to server...\n", 30):
        fail("no connect attempt; log:\n" + client.log()[-3000:])
    started = time.monotonic()
    if not client.wait_log("main text: Unable to connect to server.\n", 15):
        fail("the silent peer was never given up; log:\n" + client.log()[-3000:])
    waited = time.monotonic() - started
    if waited > 7.5:
        fail("the handshake held the client %.1f s" % waited)
    if not server.wait_for(lambda line: line.startswith("CONNECT "), 5):
        fail("the server saw no connection:\n" + server.text())
    # The window answers again: closing it ends the client normally.
    window_id = client.window()
    client.close_window(window_id)
    status = client.wait_exit()
    if status != 0:
        fail("exit status %r after close; log:\n%s" % (status, client.log()[-3000:]))
    if not wait_for(lambda: server.wait_for(lambda line: line == "CLOSED by client", 0), 5):
        fail("the client kept the silent connection open:\n" + server.text())
    if re.search(r"RECV ", server.text()):
        fail("the client sent a line without a handshake")
    print("handshake given up after %.1f s" % waited)
finally:
    client.cleanup()
    server.stop()
print("PASS")
