"""Helpers for end-to-end tests of the real client under Xvfb.

Each test runs inside tools/xvfb_run.sh (a private display) with a temporary
HOME; every wait here is bounded.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

TOOLS = os.path.dirname(os.path.abspath(__file__))


def fail(message: str) -> None:
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def wait_for(predicate, timeout: float, interval: float = 0.1):
    """Polls predicate until it returns something true or the time runs out."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(interval)


def run_quiet(args, timeout=10):
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout)


class Client:
    """The vandrel executable started with a temporary HOME; stdout is its debug log."""

    def __init__(self, extra_env=None, args=(), home=None):
        self.home = home or tempfile.mkdtemp(prefix="vandrel-e2e-home-")
        self.own_home = home is None
        self.log_path = os.path.join(self.home, "client-stdout.txt")
        env = dict(os.environ)
        env["HOME"] = self.home
        # GTK and fontconfig keep process-lifetime allocations that LeakSanitizer reports;
        # memory errors still abort the client under ASan.
        env["ASAN_OPTIONS"] = "detect_leaks=0:abort_on_error=0"
        # Never let a test's client look up the real game host: without a test server it
        # connects to a closed loopback port and shows its connect failure.
        env.setdefault("VANDREL_GAME_SERVER", "127.0.0.1:1")
        # The tests read what the main text shows from the debug log.
        env["VANDREL_TRACE_MAIN_TEXT"] = "1"
        if extra_env:
            for key, value in extra_env.items():
                if value is None:
                    env.pop(key, None)
                else:
                    env[key] = value
        self.log_file = open(self.log_path, "wb")
        self.process = subprocess.Popen([os.environ["VANDREL_BIN"], *args], env=env,
                                        stdout=self.log_file, stderr=subprocess.STDOUT)

    def log(self) -> str:
        with open(self.log_path, "rb") as f:
            return f.read().decode("latin-1")

    def wait_log(self, text: str, timeout: float = 15) -> bool:
        return bool(wait_for(lambda: text in self.log(), timeout))

    def window(self, name: str = "^Vandrel$", timeout: float = 40) -> int:
        def search():
            result = run_quiet(["xdotool", "search", "--onlyvisible", "--name", name])
            ids = result.stdout.split()
            return int(ids[0]) if ids else None
        window_id = wait_for(search, timeout, 0.2)
        if not window_id:
            self.stop()
            fail("no window named %s appeared; log:\n%s" % (name, self.log()[-3000:]))
        return window_id

    def close_window(self, window_id: int) -> None:
        subprocess.run([sys.executable, os.path.join(TOOLS, "x11_close_window.py"), str(window_id)], check=True,
                       timeout=10)

    def wait_exit(self, timeout: float = 30):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self) -> None:
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)
        self.log_file.close()

    def cleanup(self) -> None:
        self.stop()
        if self.own_home:
            shutil.rmtree(self.home, ignore_errors=True)


def window_geometry(window_id: int):
    """(width, height) of a window from xwininfo."""
    out = run_quiet(["xwininfo", "-id", str(window_id)]).stdout
    fields = {}
    for line in out.splitlines():
        if ":" in line:
            key, _, value = line.strip().partition(":")
            fields[key.strip()] = value.strip()
    return int(fields.get("Width", "0")), int(fields.get("Height", "0"))


def screenshot(path: str) -> None:
    run_quiet(["import", "-window", "root", path], timeout=30)
