#!/usr/bin/env python3
"""Starts the real client under Xvfb and checks that its frame paints the background and the logo."""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, run_quiet, screenshot, wait_for  # noqa: E402

# A fresh character's look: Red background colours, style Maze2, logo at the top left.
BLACK, MIDDLE, BRIGHT = (0, 0, 0), (56, 0, 0), (80, 0, 0)


def window_origin(window_id):
    out = run_quiet(["xwininfo", "-id", str(window_id)]).stdout
    fields = dict(line.strip().partition(":")[::2] for line in out.splitlines() if ":" in line)
    return int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"])


def pixels(path, x, y, w, h):
    """RGB triples of a region of a PNG, through ImageMagick's text output."""
    data = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-depth", "8",
                           "RGB:-"], capture_output=True, timeout=30).stdout
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


def main():
    client = Client()
    shot_dir = tempfile.mkdtemp(prefix="vandrel-shot-")
    try:
        window_id = client.window()
        x, y = window_origin(window_id)
        # The background shows in the right column beside the main text (hint buttons' place);
        # the frame is 984 pixels wide.
        bx, by = x + 984 - 95, y + 300
        shot = os.path.join(shot_dir, "frame.png")

        def painted():
            screenshot(shot)
            if not os.path.exists(shot):
                return False
            area = pixels(shot, bx, by, 90, 200)
            return MIDDLE in area and BRIGHT in area

        if not wait_for(painted, 20, 0.5):
            fail("no Maze2 background in the Red colours appeared; log:\n" + client.log()[-3000:])
        area = pixels(shot, bx, by, 90, 200)
        strangers = set(area) - {BLACK, MIDDLE, BRIGHT}
        if strangers:
            fail("background holds colours outside the theme: %r" % sorted(strangers)[:5])
        logo = pixels(shot, x, y, 192, 38)
        white = sum(1 for p in logo if min(p) > 240)
        if white < 500:
            fail("only %d white logo pixels at the top left" % white)
        # The web address under the logo: light pixels in the band below the lettering.
        address = pixels(shot, x, y + 38, 192, 14)
        if sum(1 for p in address if min(p) > 200) < 30:
            fail("no web address text under the logo")
        client.close_window(window_id)
        if client.wait_exit() != 0:
            fail("client did not exit cleanly; log:\n" + client.log()[-3000:])
        if "no background image" in client.log():
            fail("the frame painted without a background image")
    finally:
        client.cleanup()
        for name in os.listdir(shot_dir):
            os.remove(os.path.join(shot_dir, name))
        os.rmdir(shot_dir)
    print("PASS")


main()
