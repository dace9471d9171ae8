#!/usr/bin/env python3
"""Starts the real client twice with one HOME: the first run writes the configuration with a
default uuid when its window is closed, the second keeps that uuid."""
import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail  # noqa: E402

UUID = re.compile(r"<uuid>(DFLT[0-9a-f]{28})</uuid>")


def run_once(home: str) -> str:
    client = Client(home=home)
    try:
        window_id = client.window()
        client.close_window(window_id)
        status = client.wait_exit()
        if status != 0:
            fail("exit status %r after close; log:\n%s" % (status, client.log()[-3000:]))
        log = client.log()
    finally:
        client.stop()
    path = os.path.join(home, ".Vandrel", "vandrel.cfg")
    if not os.path.isfile(path):
        fail("%s was not written; log:\n%s" % (path, log[-3000:]))
    with open(path, "rb") as f:
        text = f.read().decode("latin-1")
    if not text.startswith('<?xml version="1.0" encoding="ISO-8859-1"?>\n<system_config_list>\n'):
        fail("unexpected start of vandrel.cfg:\n" + text)
    found = UUID.search(text)
    if not found:
        fail("no default uuid in vandrel.cfg:\n" + text)
    if "load_system_config() - finished\n" not in log:
        fail("start-up did not load the configuration; log:\n" + log[-3000:])
    leftovers = [name for name in os.listdir(os.path.dirname(path)) if ".tmp" in name]
    if leftovers:
        fail("temporary files left behind: %r" % leftovers)
    return found.group(1)


def character_fonts_applied():
    """A saved character's fonts are applied at start-up; an absurd button size is not handed to the toolkit."""
    home = tempfile.mkdtemp(prefix="vandrel-config-e2e-")
    try:
        config = os.path.join(home, ".Vandrel")
        os.makedirs(os.path.join(config, "char_configs"))
        with open(os.path.join(config, "vandrel.cfg"), "w") as f:
            f.write('<?xml version="1.0" encoding="ISO-8859-1"?>\n<system_config_list>\n'
                    '  <curr_config>Bob</curr_config>\n</system_config_list>\n')
        with open(os.path.join(config, "char_configs", "Bob.cfg"), "w") as f:
            f.write("<single_config>\n  <name>Bob</name>\n  <font>Monospace Bold 11</font>\n"
                    "  <font_size>13</font_size>\n  <button_font_size>100000</button_font_size>\n"
                    "</single_config>\n")
        client = Client(home=home)
        try:
            client.close_window(client.window())
            status = client.wait_exit()
            log = client.log()
        finally:
            client.stop()
        if status != 0:
            fail("exit status %r; log:\n%s" % (status, log[-3000:]))
        for expected in ["VConfig::load_xml_single_system_config() - Font size 13, 'Monospace Bold 11'.\n",
                         "Warning in VConfig::apply_font(), button font size 100000 out of range"]:
            if expected not in log:
                fail("log lacks %r; log:\n%s" % (expected, log[-3000:]))
        with open(os.path.join(config, "char_configs", "Bob.cfg")) as f:
            saved = f.read()
        if "<font>Monospace Bold 11</font>" not in saved or "<automap_size>11</automap_size>" not in saved:
            fail("Bob.cfg was not rewritten whole:\n" + saved)
    finally:
        shutil.rmtree(home, ignore_errors=True)


def main():
    home = tempfile.mkdtemp(prefix="vandrel-config-e2e-")
    try:
        first = run_once(home)
        second = run_once(home)
        if first != second:
            fail("uuid changed between runs: %s then %s" % (first, second))
    finally:
        shutil.rmtree(home, ignore_errors=True)
    character_fonts_applied()
    print("PASS")


main()
