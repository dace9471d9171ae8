#!/usr/bin/env python3
"""Starts the real client under Xvfb, checks its window, closes it and reads the log."""
import os
import sys

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, window_geometry  # noqa: E402


def boot_and_close():
    client = Client(args=["-l", "7.5", "--odd"])
    try:
        window_id = client.window()
        width, height = window_geometry(window_id)
        if (width, height) != (984, 728):
            fail("window is %dx%d, expected 984x728" % (width, height))
        client.close_window(window_id)
        status = client.wait_exit()
        if status != 0:
            fail("exit status %r after close; log:\n%s" % (status, client.log()[-3000:]))
        log = client.log()
        for expected in ["--------------------------- BOOT START --------------------------\n",
                         "DEBUG - Command line launcher version: 7.5\n",
                         "DEBUG - Unknown command line arg:      --odd\n",
                         "quor_mw system_shutdown_handler.\n",
                         "quor_mw::shutdown - requested exit\n",
                         "--------------------------- PROGRAM EXIT --------------------------\n"]:
            if expected not in log:
                fail("log lacks %r; log:\n%s" % (expected, log[-3000:]))
        if log.index("BOOT START") > log.index("PROGRAM EXIT"):
            fail("banners out of order")
        if not os.path.isdir(os.path.join(client.home, ".Vandrel")):
            fail("config directory was not created under HOME")
    finally:
        client.cleanup()


def boot_without_home():
    client = Client(extra_env={"HOME": None})
    try:
        status = client.wait_exit()
        if status != 1:
            fail("without HOME the exit status was %r, expected 1" % status)
        if "Boot failed, unable to get at system config directory.\n" not in client.log():
            fail("missing boot failure line; log:\n" + client.log())
        if "BOOT START" not in client.log():
            fail("the banner comes before the failure")
    finally:
        client.cleanup()


boot_and_close()
boot_without_home()
print("PASS")
