#!/usr/bin/env python3
"""A web address in the game text, clicked in the real client, reaches the browser as one
unchanged argument, from the tick rather than from inside the click; when no browser can be
started the player gets the address to copy instead."""
import os
import stat
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, run_quiet, screenshot, wait_for  # noqa: E402
from test_game_server import LINK, GameServer  # noqa: E402

URL = LINK.decode()
# A fresh character: the main text starts right of the 164-pixel left column, inside a 2-pixel
# border, and ends above the 48-pixel input window.
LEFT, BORDER, INPUT_HEIGHT = 164, 2, 48


def window_origin(window_id):
    out = run_quiet(["xwininfo", "-id", str(window_id)]).stdout
    fields = dict(line.strip().partition(":")[::2] for line in out.splitlines() if ":" in line)
    return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
            int(fields["Height"]))


def lowest_text_row(path, x, bottom):
    """Screen y of the middle of the lowest line of text in a 200-pixel wide strip at x."""
    data = subprocess.run(["convert", path, "-crop", "200x%d+%d+0" % (bottom, x), "+repage", "-depth", "8",
                           "gray:-"], capture_output=True, timeout=30).stdout
    rows = [any(b > 40 for b in data[r * 200:(r + 1) * 200]) for r in range(bottom)]
    lit = [r for r, on in enumerate(rows) if on]
    if not lit:
        return None
    last = lit[-1]
    first = last
    while first - 1 >= 0 and rows[first - 1]:
        first -= 1
    return (first + last) // 2


def fake_browser(directory):
    """A firefox that records its arguments."""
    path = os.path.join(directory, "firefox")
    with open(path, "w") as f:
        f.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%%s]\\n' \"$a\" >> '%s/args'; done\n" % directory)
    os.chmod(path, stat.S_IRWXU)


def click_link(client, shot_dir):
    window_id = client.window()
    if not client.wait_log("main text: " + URL):
        fail("the link line never reached the main text; log:\n" + client.log()[-3000:])
    time.sleep(0.5)
    x0, y0, height = window_origin(window_id)
    shot = os.path.join(shot_dir, "link.png")
    screenshot(shot)
    text_left = x0 + LEFT + BORDER
    y = lowest_text_row(shot, text_left, y0 + height - INPUT_HEIGHT - BORDER)
    if y is None:
        fail("no text on screen")
    run_quiet(["xdotool", "mousemove", str(text_left + 30), str(y), "click", "1"])
    return window_id


def run(works):
    with tempfile.TemporaryDirectory(prefix="vandrel-link-") as directory:
        server = GameServer("link")
        env = dict(server.env())
        if works:
            fake_browser(directory)
            env["PATH"] = directory + os.pathsep + os.environ.get("PATH", "")
        else:
            env["PATH"] = directory  # no firefox anywhere on it: the start fails
        client = Client(extra_env=env)
        try:
            click_link(client, directory)
            if works:
                args = wait_for(lambda: os.path.exists(os.path.join(directory, "args")) and
                                open(os.path.join(directory, "args")).read(), 10)
                if args != "[%s]\n" % URL:
                    fail("the browser got %r; log:\n%s" % (args, client.log()[-3000:]))
                if "open_url() - '%s'.\n" % URL not in client.log():
                    fail("the click did not go through open_url")
            else:
                if not client.wait_log("main text: Sorry, but I can't seem invoke the FireFox browser."):
                    fail("no fallback message; log:\n" + client.log()[-3000:])
                if not client.wait_log("main text: " + URL):
                    fail("the fallback does not show the address")
                log = client.log()
                if log.count("main text: " + URL) < 2:
                    fail("the address should appear again in the fallback text")
        finally:
            client.cleanup()
            server.stop()


run(works=True)
run(works=False)
print("PASS")
