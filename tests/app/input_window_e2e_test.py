#!/usr/bin/env python3
"""The input window in the running client: paste from the PRIMARY selection, Escape, the
scrolling keys and the wheel over the command line, the Ctrl and Ctrl+Shift shortcuts,
history with multi-line commands, push-through, and the frame with its flash.

The main text's scroll lock shows in its border (red while held); the test reads that and the
input window's frame from screen grabs. What the client sent is what the loopback server
received; settings changes show in the client's settings report while playing."""
import os
import select
import shutil
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.environ["VANDREL_SOURCE_DIR"], "tools"))
from e2e_support import Client, fail, run_quiet, wait_for, window_geometry  # noqa: E402
from test_game_server import make_certificate  # noqa: E402

WHITE, GREY, BLACK, RED = (255, 255, 255), (128, 128, 128), (0, 0, 0), (255, 0, 0)
INPUT_HEIGHT = 48
# Positions in the settings report's flag string ("vclstatus <flags> ...").
EXP, HPBAR, ENEMY_HPBAR, FKEYS, POPUPS, GROUP, AUTOMAP = 7, 8, 9, 4, 10, 11, 13


class ScriptServer:
    """One TLS connection: records the client's lines and sends what the test queues."""

    def __init__(self, directory):
        self.context = make_certificate(directory)
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.listener.settimeout(30)
        self.port = self.listener.getsockname()[1]
        self.lines = []
        self.outgoing = []
        self.lock = threading.Lock()
        self.done = threading.Event()
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        try:
            raw, _ = self.listener.accept()
            raw.settimeout(30)
            with self.context.wrap_socket(raw, server_side=True) as tls:
                tls.setblocking(False)
                buffered = b""
                deadline = time.monotonic() + 120
                while time.monotonic() < deadline and not self.done.is_set():
                    with self.lock:
                        pending, self.outgoing = self.outgoing, []
                    for data in pending:
                        tls.setblocking(True)
                        tls.sendall(data)
                        tls.setblocking(False)
                    if tls.pending() == 0:
                        select.select([tls], [], [], 0.02)
                    try:
                        chunk = tls.recv(4096)
                    except (ssl.SSLWantReadError, ssl.SSLWantWriteError):
                        continue
                    if not chunk:
                        return
                    buffered += chunk
                    while b"\n" in buffered:
                        line, _, buffered = buffered.partition(b"\n")
                        with self.lock:
                            self.lines.append(line.decode("latin-1"))
        except (OSError, ssl.SSLError):
            return

    def send(self, data: bytes):
        with self.lock:
            self.outgoing.append(data)

    def received(self):
        with self.lock:
            return list(self.lines)

    def commands(self):
        """The lines sent as commands, without the login line and the settings reports."""
        return [line for line in self.received() if not line.startswith(("_vClient ", "vclstatus ", "vcping"))]

    def reports(self):
        return [line.split()[1] for line in self.received() if line.startswith("vclstatus ")]

    def stop(self):
        self.done.set()
        self.listener.close()
        self.thread.join(timeout=10)


class Session:
    def __init__(self, client, server, window_id):
        self.client = client
        self.server = server
        self.window_id = window_id
        self.width, self.height = window_geometry(window_id)
        self.selections = []
        # The commands already checked, in order.
        self.checked = []
        self.focus()

    def xdo(self, *args):
        result = run_quiet(["xdotool", *args], timeout=20)
        if result.returncode != 0:
            fail("xdotool %s failed: %s" % (" ".join(args), result.stderr))

    def focus(self):
        self.xdo("windowfocus", "--sync", str(self.window_id))

    def key(self, *keys):
        self.xdo("key", "--delay", "40", *keys)

    def type(self, text):
        self.xdo("type", "--delay", "20", text)

    def line(self, text):
        if text:
            self.type(text)
        self.key("Return")

    def expect_command(self, text, timeout=10):
        """Waits for the next command and checks it; earlier commands must already be checked."""
        count = len(self.checked)
        got = wait_for(lambda: len(self.server.commands()) > count, timeout, 0.05)
        commands = self.server.commands()
        if not got or commands[count] != text:
            fail("expected the command %r, the server got %r" % (text, commands[count:]))
        self.checked = commands[:count + 1]

    def expect_no_command(self, wait=0.4):
        time.sleep(wait)
        extra = self.server.commands()[len(self.checked):]
        if extra:
            fail("unexpected commands %r" % extra)

    def grab(self):
        """The whole screen as (width, rows of bytes)."""
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], capture_output=True,
                             timeout=30).stdout
        magic, size, maxval, pixels = raw.split(b"\n", 3)
        if magic != b"P6" or maxval != b"255":
            fail("unexpected screen grab header %r %r" % (magic, maxval))
        width, _ = map(int, size.split())
        return width, pixels

    def pixel(self, screen, x, y):
        width, pixels = screen
        offset = (y * width + x) * 3
        return tuple(pixels[offset:offset + 3])

    def region(self, screen, x, y, w, h):
        width, pixels = screen
        return b"".join(pixels[((y + r) * width + x) * 3:((y + r) * width + x + w) * 3] for r in range(h))

    # The main text's border: red while the view is held, white while it follows.
    def main_border(self, screen=None):
        return self.pixel(screen or self.grab(), self.width // 2, 0)

    def expect_main(self, colour, what):
        if not wait_for(lambda: self.main_border() == colour, 3, 0.05):
            fail("%s: the main text's border is %r, expected %r" % (what, self.main_border(), colour))

    def main_left(self, screen):
        """The main text's left edge: its white and grey border while it follows."""
        y = self.height // 2
        for x in range(self.width // 2):
            if self.pixel(screen, x, y) == WHITE and self.pixel(screen, x + 1, y) == GREY:
                return x
        fail("no main text border found")

    def main_text(self, screen):
        return self.region(screen, self.width // 4, 4, self.width // 2, self.height - INPUT_HEIGHT - 8)

    def input_top(self):
        return self.height - INPUT_HEIGHT

    def input_text_visible(self, screen):
        """Whether light pixels (typed text) show inside the command line."""
        area = self.region(screen, 3, self.input_top() + 2, 300, 14)
        return any(area[i] > 150 and area[i + 1] > 150 and area[i + 2] > 150 for i in range(0, len(area), 3))

    def set_primary(self, text: bytes, selection="primary"):
        process = subprocess.Popen(["xclip", "-quiet", "-selection", selection], stdin=subprocess.PIPE,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        process.stdin.write(text)
        process.stdin.close()
        self.selections.append(process)
        if not wait_for(lambda: run_quiet(["xclip", "-o", "-selection", selection]).stdout.encode("utf-8") == text,
                        5, 0.05):
            fail("xclip did not take the %s selection" % selection)

    def primary(self):
        return run_quiet(["xclip", "-o", "-selection", "primary"]).stdout

    def stop_selections(self):
        for process in self.selections:
            if process.poll() is None:
                process.kill()
                process.wait(timeout=5)


def frame_and_text(s):
    screen = s.grab()
    top = s.input_top()
    middle = top + INPUT_HEIGHT // 2
    for (x, y), colour in [((0, top), WHITE), ((0, middle), WHITE), ((1, middle), GREY),
                           ((s.width - 1, middle), WHITE), ((s.width - 2, middle), WHITE),
                           ((s.width // 2, s.height - 1), WHITE), ((2, middle), BLACK)]:
        if s.pixel(screen, x, y) != colour:
            fail("input frame pixel (%d, %d) is %r, expected %r" % (x, y, s.pixel(screen, x, y), colour))
    s.type("frame check")
    if not wait_for(lambda: s.input_text_visible(s.grab()), 3, 0.1):
        fail("the typed text does not show in the command line")
    screenshot = os.path.join(os.environ.get("VANDREL_BUILD_DIR", s.client.home), "input_window_e2e.png")
    run_quiet(["import", "-window", "root", screenshot], timeout=30)
    s.key("ctrl+k")
    s.line("")
    s.expect_command("")


def scrolling(s):
    s.expect_main(WHITE, "at start")
    following = s.main_text(s.grab())
    s.key("Prior")
    s.expect_main(RED, "Page Up")
    one_page = s.main_text(s.grab())
    if one_page == following:
        fail("Page Up did not move the main text")
    s.key("Prior", "Next")
    s.expect_main(RED, "Page Up, Page Down")
    if s.main_text(s.grab()) != one_page:
        fail("two pages up and one down is not one page up")
    s.key("Next")
    s.expect_main(WHITE, "Page Down to the end")
    if s.main_text(s.grab()) != following:
        fail("Page Down to the end does not show the newest text")
    # Escape while held only returns to the newest text: the typed line stays.
    s.type("keep")
    s.key("ctrl+Up")
    s.expect_main(RED, "Control Up")
    s.key("Escape")
    s.expect_main(WHITE, "Escape while held")
    s.line("")
    s.expect_command("keep")
    # Escape while following erases the line.
    s.type("junk")
    s.key("Escape")
    s.line("")
    s.expect_command("")
    s.key("ctrl+Up", "ctrl+Down")
    s.expect_main(WHITE, "Control Up then Control Down")
    # Freeze and unfreeze; any typed key also unfreezes while the scrollback does not lock.
    for freeze in ("ctrl+s", "ctrl+z"):
        s.key(freeze)
        s.expect_main(RED, freeze)
        s.key("ctrl+q")
        s.expect_main(WHITE, freeze + " then Control Q")
    s.key("ctrl+s")
    s.expect_main(RED, "Control S")
    s.type("x")
    s.expect_main(WHITE, "a typed letter")
    s.key("ctrl+k")
    # The wheel over the command line scrolls the main text, three lines a notch.
    following = s.main_text(s.grab())
    s.xdo("mousemove", str(s.width // 2), str(s.input_top() + INPUT_HEIGHT // 2))
    s.xdo("click", "4")
    s.expect_main(RED, "wheel up")
    one_notch = s.main_text(s.grab())
    if one_notch in (following, one_page):
        fail("the wheel did not scroll the main text by a notch")
    s.xdo("click", "--repeat", "2", "--delay", "80", "4")
    time.sleep(0.2)
    s.xdo("click", "5")
    time.sleep(0.2)
    if s.main_text(s.grab()) == one_notch:
        fail("three notches up and one down equals one notch up")
    s.xdo("click", "5")
    time.sleep(0.2)
    if s.main_text(s.grab()) != one_notch:
        fail("two notches up and one down is not one notch up")
    s.xdo("click", "5")
    s.expect_main(WHITE, "wheel down to the end")
    if s.main_text(s.grab()) != following:
        fail("the wheel down to the end does not show the newest text")


def paste(s):
    # Characters beyond Latin-1 must not lose the rest of the pasted text.
    s.set_primary("look at sign h\u00e9 \u2713 end".encode("utf-8"))
    s.type("say ")
    s.key("ctrl+v")
    s.line("")
    s.expect_command("say look at sign h. . end")
    # The toolkit's own paste key reads PRIMARY too, not CLIPBOARD.
    s.set_primary(b"from primary")
    s.set_primary(b"from clipboard", "clipboard")
    s.type("say ")
    s.key("shift+Insert")
    s.line("")
    s.expect_command("say from primary")
    # Selecting in the line makes the selection PRIMARY (and another program taking PRIMARY
    # deselects it), so a paste over a selection replaces it with itself, never doubles it.
    s.type("replace me")
    s.key("shift+Home", "ctrl+v")
    s.line("")
    s.expect_command("replace me")
    s.stop_selections()


def break_keys(s):
    s.type("abc")
    s.key("ctrl+k")
    s.line("def")
    s.expect_command("def")
    s.type("ghi")
    s.key("ctrl+backslash")
    s.expect_command("\x1a")
    s.line("")
    s.expect_command("")
    # Control C with text selected in the line copies it and changes nothing else.
    s.type("copy me")
    s.key("shift+Home", "ctrl+c", "End")
    if not wait_for(lambda: s.primary() == "copy me", 3, 0.05):
        fail("Control C did not copy the selected input; PRIMARY holds %r" % s.primary())
    s.line("")
    s.expect_command("copy me")
    # With a selection in the main text it clears the line and that selection only.
    left = s.main_left(s.grab())
    top, bottom = s.input_top() - 90, s.input_top() - 30
    s.xdo("mousemove", str(left + 4), str(top), "mousedown", "1", "mousemove", str(left + 100), str(top + 20),
          "mousemove", str(left + 300), str(bottom), "mouseup", "1")
    if not wait_for(lambda: s.primary().strip() not in ("", "copy me"), 3, 0.05):
        fail("dragging over the main text selected nothing; PRIMARY holds %r" % s.primary())
    s.focus()
    s.type("junk")
    s.key("ctrl+c")
    s.expect_no_command()
    s.line("")
    s.expect_command("")
    s.key("ctrl+c")
    s.expect_command("\x03")


def expect_report(s, before, index, what):
    if not wait_for(lambda: len(s.server.reports()) > before, 5, 0.05):
        fail("%s sent no settings report" % what)
    reports = s.server.reports()
    old, new = reports[before - 1], reports[-1]
    changed = [i for i in range(min(len(old), len(new))) if old[i] != new[i]]
    if changed != [index]:
        fail("%s changed report flags %r (%s -> %s), expected [%d]" % (what, changed, old, new, index))


def settings_shortcuts(s):
    s.key("ctrl+p")
    if not wait_for(lambda: len(s.server.reports()) >= 1, 5, 0.05):
        fail("Control P sent no settings report")
    for key, index in [("ctrl+p", HPBAR), ("ctrl+m", AUTOMAP), ("ctrl+shift+1", AUTOMAP), ("ctrl+shift+2", GROUP),
                       ("ctrl+shift+3", HPBAR), ("ctrl+shift+4", ENEMY_HPBAR), ("ctrl+shift+5", EXP),
                       ("ctrl+shift+7", FKEYS), ("ctrl+shift+8", POPUPS)]:
        before = len(s.server.reports())
        s.key(key)
        expect_report(s, before, index, key)
    before = len(s.server.reports())
    s.key("ctrl+shift+6", "ctrl+shift+0")
    time.sleep(0.4)
    if len(s.server.reports()) != before:
        fail("Control Shift 6 or 0 changed a setting")
    # The main text's scrollbar goes and comes back; the typed text stays visible.
    s.type("still here")
    with_bar = s.grab()
    s.key("ctrl+shift+9")
    if not wait_for(lambda: s.region(s.grab(), 0, 20, s.width, 200) != s.region(with_bar, 0, 20, s.width, 200), 3,
                    0.1):
        fail("Control Shift 9 did not hide the scrollbar")
    time.sleep(0.3)
    if not s.input_text_visible(s.grab()):
        fail("the typed text vanished when the layout changed")
    s.key("ctrl+shift+9")
    if not wait_for(lambda: s.region(s.grab(), 0, 20, s.width, 200) == s.region(with_bar, 0, 20, s.width, 200), 3,
                    0.1):
        fail("Control Shift 9 twice did not bring the scrollbar back")
    s.key("ctrl+k")
    # The input window grows and shrinks by 12 pixels, never below 24.
    for keys, height in [(["ctrl+shift+bracketright"], 60), (["ctrl+shift+bracketleft"] * 4, 24),
                         (["ctrl+shift+bracketright"] * 2, 48)]:
        s.key(*keys)
        top = s.height - height
        if not wait_for(lambda: s.pixel(s.grab(), 1, top) == WHITE and s.pixel(s.grab(), 1, top - 1) != WHITE
                        and s.pixel(s.grab(), 1, top + 1) == GREY, 3, 0.1):
            fail("after %s the input window does not start %d pixels above the bottom" % (keys, height))


def multi_line_history(s):
    s.type("one")
    s.key("ctrl+Return")
    s.line("two")
    s.expect_command("one")
    s.expect_command("two")
    # The keypad's Enter sends as Enter does.
    s.type("single")
    s.key("KP_Enter")
    s.expect_command("single")
    # Up from the end browses; away from the end it moves between the lines of the text.
    s.key("Up", "Up", "Left", "Up")
    s.type("X")
    s.key("Down")
    s.type("Y")
    s.key("Return")
    s.expect_command("oneX")
    s.expect_command("Ytwo")
    # Down keeps a typed line: the empty line, then Up brings it back.
    s.type("draft")
    s.key("Down")
    s.line("")
    s.expect_command("")
    s.type("draft")
    s.key("Down", "Up", "Return")
    s.expect_command("draft")


def push_through(s):
    s.line("first")
    s.expect_command("first")
    s.line("kill rat")
    s.expect_command("kill rat")
    # The command stays selected: Enter sends it again, typing replaces it.
    s.key("Return")
    s.expect_command("kill rat")
    s.line("look")
    s.expect_command("look")
    # Up shows the command before the selected one.
    s.key("Up", "Return")
    s.expect_command("kill rat")
    s.key("Left")
    s.line("X")
    s.expect_command("Xkill rat")
    s.key("Home")
    s.line("Y")
    s.expect_command("YXkill rat")


def input_flash(s):
    s.type("during flash")
    x, y = 1, s.input_top() + INPUT_HEIGHT // 2
    s.server.send(b";sconfig;input_window flash;econfig;")
    seen = set()
    deadline = time.monotonic() + 6
    text_lost = False
    while time.monotonic() < deadline:
        screen = s.grab()
        colour = s.pixel(screen, x, y)
        seen.add(colour)
        if not s.input_text_visible(screen):
            text_lost = True
        if WHITE in seen and BLACK in seen and colour == GREY:
            break
    if WHITE not in seen or BLACK not in seen:
        fail("the input frame did not flash: colours seen %r" % seen)
    if s.pixel(s.grab(), x, y) != GREY:
        fail("the input frame did not return to its normal colours")
    if text_lost:
        fail("the typed text vanished during the flash")
    s.key("ctrl+k")


def main():
    home = tempfile.mkdtemp(prefix="vandrel-input-e2e-")
    config = os.path.join(home, ".Vandrel")
    os.makedirs(os.path.join(config, "char_configs"))
    with open(os.path.join(config, "vandrel.cfg"), "w") as f:
        f.write('<?xml version="1.0" encoding="ISO-8859-1"?>\n<system_config_list>\n'
                "  <curr_config>Bob</curr_config>\n</system_config_list>\n")
    for name, push in [("Bob", 0), ("Carol", 1)]:
        with open(os.path.join(config, "char_configs", name + ".cfg"), "w") as f:
            f.write("<single_config>\n  <name>%s</name>\n  <cmd_pushthrough>%d</cmd_pushthrough>\n"
                    "  <locking_scrollback_enable>0</locking_scrollback_enable>\n</single_config>\n" % (name, push))
    server = ScriptServer(home)
    client = Client(extra_env={"VANDREL_GAME_SERVER": "127.0.0.1:%d" % server.port}, home=home)
    session = None
    try:
        window_id = client.window()
        if not wait_for(lambda: any(line.startswith("_vClient ") for line in server.received()), 20, 0.1):
            fail("no login line; log:\n" + client.log()[-3000:])
        server.send(b"".join(b"Line %02d of the backscroll.\r\n" % n for n in range(1, 81)))
        if not client.wait_log("main text: Line 80 of the backscroll.", 15):
            fail("the backscroll never arrived; log:\n" + client.log()[-3000:])
        session = Session(client, server, window_id)
        frame_and_text(session)
        scrolling(session)
        paste(session)
        break_keys(session)
        multi_line_history(session)
        # Playing: the settings report follows every change.
        server.send(b";slogin;Bob;elogin;")
        if not client.wait_log("load of config 'Bob' success", 10) or not wait_for(
                lambda: run_quiet(["xdotool", "search", "--name", "^Vandrel - Player Bob$"]).stdout.strip(), 10, 0.1):
            fail("the login tag did not take; log:\n" + client.log()[-3000:])
        settings_shortcuts(session)
        server.send(b";slogin;Carol;elogin;")
        if not wait_for(lambda: run_quiet(["xdotool", "search", "--name", "^Vandrel - Player Carol$"]).stdout.strip(),
                        10, 0.1):
            fail("the second login tag did not take")
        push_through(session)
        input_flash(session)
    finally:
        if session:
            session.stop_selections()
        client.cleanup()
        server.stop()
        shutil.rmtree(home, ignore_errors=True)


main()
print("PASS")
