#!/usr/bin/env python3
"""The real client's main text window against the test game server: the text in its colours on
screen, a prompt without a newline, drag selections read back from the PRIMARY selection, and the
message of a connection the server closed."""
import os
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, run_quiet, screenshot, wait_for  # noqa: E402
from test_game_server import GameServer  # noqa: E402

# A fresh character: layout "Left Bottom" with the group display on (left column 164 wide),
# hint buttons on (right column 101 wide), input window 48 high; the text control sits inside
# a 2-pixel border.
LEFT, RIGHT_COLUMN, INPUT_HEIGHT, BORDER = 164, 101, 48, 2
SCROLLBAR_ROOM = 20

# Bright colours of the default scheme. Glyphs are blended by their coverage, and the stems of
# a small antialiased font seldom cover a pixel whole, so a colour is recognised by its
# proportions at a strong coverage.
COLOURS = {
    "red": (0xff, 0x55, 0x55), "green": (0x55, 0xff, 0x55), "yellow": (0xff, 0xff, 0x55),
    "blue": (0x50, 0x50, 0xff), "purple": (0xff, 0x40, 0xff), "cyan": (0x40, 0xff, 0xff),
}
# Normal white text is a0a0a0 at most; brighter greys come only from the bright white word.
PLAIN_WHITE = 0xa0
LONG = "Long: " + " ".join("word%03d" % n for n in range(60))
PROMPT = "Enter your command> "


def window_box(window_id):
    out = run_quiet(["xwininfo", "-id", str(window_id)]).stdout
    fields = dict(line.strip().partition(":")[::2] for line in out.splitlines() if ":" in line)
    return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
            int(fields["Width"]), int(fields["Height"]))


def text_area(window_id):
    """Screen rectangle (x, y, width, height) of the text control of the main text window."""
    x, y, width, height = window_box(window_id)
    return (x + LEFT + BORDER, y + BORDER, width - RIGHT_COLUMN - LEFT - 2 * BORDER - SCROLLBAR_ROOM,
            height - INPUT_HEIGHT - 2 * BORDER)


def pixels(path, box):
    x, y, w, h = box
    data = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-depth", "8",
                           "RGB:-"], capture_output=True, timeout=30).stdout
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


def shows(p, colour):
    """p is colour blended over black at a coverage of at least 60 %."""
    k = max(p) / max(colour)
    return k >= 0.6 and all(abs(a - k * b) <= 3 for a, b in zip(p, colour))


def colours_missing(found):
    missing = [name for name, c in COLOURS.items() if not any(shows(p, c) for p in found)]
    if not any(p[0] == p[1] == p[2] and p[0] > PLAIN_WHITE + 10 for p in found):
        missing.append("bright white")
    if not any(p[0] == p[1] == p[2] and 0x60 < p[0] <= PLAIN_WHITE for p in found):
        missing.append("normal white")
    return missing


def primary():
    return run_quiet(["xclip", "-o", "-selection", "primary"]).stdout


def drag(x0, y0, x1, y1):
    run_quiet(["xdotool", "mousemove", str(x0), str(y0), "mousedown", "1"])
    time.sleep(0.1)
    run_quiet(["xdotool", "mousemove", str((x0 + x1) // 2), str((y0 + y1) // 2)])
    time.sleep(0.1)
    run_quiet(["xdotool", "mousemove", str(x1), str(y1), "mouseup", "1"])


def shot_path(shots, name):
    return os.path.join(shots, name)


def check_colours_and_selection(shots):
    server = GameServer("colors", max_seconds=90)
    client = Client(extra_env=server.env())
    try:
        window_id = client.window()
        if not server.wait_for(lambda line: line == "SENT colors", 20):
            fail("the server did not send its text; server:\n" + server.text())
        # The prompt has no newline: it reaches the main window's line hook after three ticks.
        if not client.wait_log("main text: " + PROMPT + "\n", 15):
            fail("the prompt was not delivered as a line; log:\n" + client.log()[-3000:])
        area = text_area(window_id)
        shot = shot_path(shots, "colors.png")

        def coloured():
            screenshot(shot)
            return not colours_missing(pixels(shot, area))

        if not wait_for(coloured, 15, 0.5):
            fail("colours missing from the main text: %s" % colours_missing(pixels(shot, area)))
        # The prompt is the bottom line, in bright yellow.
        x, y, w, h = area
        bottom = pixels(shot, (x, y + h - 20, w, 20))
        if not any(shows(p, COLOURS["yellow"]) for p in bottom):
            fail("no bright yellow prompt on the bottom line")

        # Across lines in the middle of the numbered text: whole lines, one newline between.
        drag(x + 1, y + 120, x + 40, y + 170)
        text = wait_for(lambda: primary() or None, 5)
        if not text or not re.fullmatch(r"(Line \d\d of the backscroll\.\n)+Line[ \d]{0,3}", text):
            fail("middle selection read %r" % text)
        numbers = [int(n) for n in re.findall(r"Line (\d\d)", text)]
        if numbers != list(range(numbers[0], numbers[0] + len(numbers))) or len(numbers) < 3:
            fail("middle selection lines out of order: %r" % text)
        screenshot(shot_path(shots, "selection.png"))

        # From past the end of the prompt up to numbered lines: the wrapped long line comes back
        # joined, the prompt whole.
        drag(x + w - 5, y + h - 5, x + 1, y + h - 200)
        text = wait_for(lambda: (lambda t: t if t.endswith(PROMPT) else None)(primary()), 5)
        if not text:
            fail("bottom selection read %r" % primary())
        expected_tail = "red green yellow blue purple cyan white dim plain\n" + LONG + "\n" + PROMPT
        if not text.endswith(expected_tail) or not re.match(r"Line \d\d of the backscroll\.\n", text):
            fail("bottom selection read %r" % text)
        screenshot(shot_path(shots, "selection_bottom.png"))

        client.close_window(window_id)
        if client.wait_exit() != 0:
            fail("client did not exit cleanly; log:\n" + client.log()[-3000:])
    finally:
        client.cleanup()
        server.stop()


def check_closed_by_server(shots):
    server = GameServer("close", max_seconds=60)
    client = Client(extra_env=server.env())
    try:
        window_id = client.window()
        if not client.wait_log("main text: Connection closed by server.\n", 20):
            fail("no close message in the main text; log:\n" + client.log()[-3000:])
        area = text_area(window_id)
        x, y, w, h = area
        time.sleep(0.3)
        drag(x + w - 5, y + h - 5, x + 1, y + h - 150)
        text = wait_for(lambda: (lambda t: t if "Connection closed by server." in t else None)(primary()), 5)
        if not text:
            fail("the selection over the last lines read %r" % primary())
        if "Closing now.\n" not in text or \
                "To log in again, type 'connect' or use the File / Connect menu option.\n" not in text:
            fail("the last lines read %r" % text)
        screenshot(shot_path(shots, "closed.png"))
        client.close_window(window_id)
        if client.wait_exit() != 0:
            fail("client did not exit cleanly; log:\n" + client.log()[-3000:])
    finally:
        client.cleanup()
        server.stop()


def main():
    # VANDREL_E2E_SHOTS keeps the screenshots for a look; otherwise they go with a scratch directory.
    keep = os.environ.get("VANDREL_E2E_SHOTS")
    shots = keep or tempfile.mkdtemp(prefix="vandrel-text-shots-")
    os.makedirs(shots, exist_ok=True)
    try:
        check_colours_and_selection(shots)
        check_closed_by_server(shots)
    finally:
        if not keep:
            for name in os.listdir(shots):
                os.remove(os.path.join(shots, name))
            os.rmdir(shots)
    print("PASS")


main()
