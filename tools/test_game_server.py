#!/usr/bin/env python3
"""A loopback TLS game server for the client's tests and for the demo.

Prints "PORT <n>" as its first line, then one line per thing it sees:
  CONNECT <peer>            a client connected
  RECV <line>               a line the client sent (control bytes as \\xNN)
  SENT <what>               a scenario step done
  CLOSED <why>              the connection ended
  STOP <why>                the server stops
It always stops by itself after --max-seconds (unless 0, the demo's default).

Scenarios (--scenario), played after the login line arrives:
  idle        nothing but the ping answer
  ansi        a few lines of coloured text
  colors      80 numbered lines, one code per escape in every colour, a long
              line, then a prompt without a newline
  link        a line that is a web address, alone on the last line
  split_tags  text and tags sent one byte per TLS record
  password    a password prompt between telnet echo off and echo on
  close       a line, then a clean TLS close
  reset       a line, then a TCP reset
  silent      accepts TCP and never answers the TLS handshake
  slow_reader stops reading for --pause seconds, then reads everything
--demo plays a small game: banner, name and password prompts, rooms to walk.
"""
import argparse
import asyncio
import os
import shutil
import signal
import socket
import ssl
import struct
import subprocess
import sys
import tempfile
import threading
import time

IAC, DONT, DO = 255, 254, 253
ECHO = 1
ECHO_OFF = bytes([IAC, DONT, ECHO])
ECHO_ON = bytes([IAC, DO, ECHO])
PONG = b";sevent;vcpong;eevent;"
# A clickable address; the tests check that it reaches the browser unchanged.
LINK = b"http://127.0.0.1/news?a=1&b=two"
SPLIT_STREAM = b"before;sfoo;bar;efoo;mid;;dle;tbare;after\r\n"


class Ended(Exception):
    """The scenario ended the connection itself."""


def say(text):
    print(text, flush=True)


def shown(data: bytes) -> str:
    return "".join(chr(b) if 32 <= b < 127 and b != 92 else "\\x%02x" % b for b in data)


def make_certificate(directory):
    key = os.path.join(directory, "key.pem")
    cert = os.path.join(directory, "cert.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=localhost"],
                   check=True, capture_output=True, timeout=30)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


class Session:
    """One client connection: reads lines, answers pings, plays the scenario."""

    def __init__(self, reader, writer, args):
        self.reader = reader
        self.writer = writer
        self.args = args
        self.login_seen = asyncio.Event()
        self.lines = asyncio.Queue()

    async def send(self, data: bytes):
        self.writer.write(data)
        await self.writer.drain()

    async def read_lines(self):
        buffered = b""
        while True:
            chunk = await self.reader.read(4096)
            if not chunk:
                return
            buffered += chunk
            while b"\n" in buffered:
                line, _, buffered = buffered.partition(b"\n")
                say("RECV " + shown(line))
                if line.startswith(b"_vClient "):
                    self.login_seen.set()
                elif line == b"vcping":
                    await self.send(PONG)
                    say("SENT vcpong")
                elif line.startswith(b"vclstatus "):
                    pass  # the client's settings report: recorded above, never a game command
                else:
                    await self.lines.put(line)

    async def next_line(self, timeout=60):
        return await asyncio.wait_for(self.lines.get(), timeout)

    async def run(self):
        reading = asyncio.ensure_future(self.read_lines())
        try:
            await asyncio.wait_for(self.login_seen.wait(), self.args.max_seconds or None)
            if self.args.demo:
                await Demo(self).play()
            else:
                await getattr(self, "scenario_" + self.args.scenario)()
            await reading
            say("CLOSED by client")
        except Ended as ended:
            say("CLOSED " + str(ended))
        except (ConnectionError, ssl.SSLError, asyncio.IncompleteReadError) as error:
            say("CLOSED " + type(error).__name__)
        except asyncio.TimeoutError:
            say("CLOSED timeout")
        finally:
            reading.cancel()
            self.writer.transport.abort()

    async def scenario_idle(self):
        pass

    async def scenario_ansi(self):
        await self.send(b"\x1b[1;31mRed\x1b[0m and \x1b[32mgreen\x1b[0m text.\r\nPlain line.\r\n")
        say("SENT ansi")

    async def scenario_colors(self):
        names = [("31", "red"), ("32", "green"), ("33", "yellow"), ("34", "blue"), ("35", "purple"),
                 ("36", "cyan"), ("37", "white")]
        text = b"".join(b"\x1b[1m\x1b[%sm%s\x1b[0m " % (code.encode(), name.encode()) for code, name in names)
        await self.send(b"".join(b"Line %02d of the backscroll.\r\n" % n for n in range(1, 81)))
        await self.send(text + b"\x1b[2m\x1b[37mdim\x1b[0m plain\r\n")
        await self.send(b"Long: " + b" ".join(b"word%03d" % n for n in range(60)) + b"\r\n")
        await self.send(b"\x1b[1m\x1b[33mEnter your command> \x1b[0m")
        say("SENT colors")

    async def scenario_link(self):
        await self.send(b"Read the news first.\r\n" + LINK + b"\r\n")
        say("SENT link")

    async def scenario_split_tags(self):
        for i in range(len(SPLIT_STREAM)):
            await self.send(SPLIT_STREAM[i:i + 1])
            await asyncio.sleep(0.01)
        say("SENT split_tags")

    async def scenario_password(self):
        await self.send(b"Password: " + ECHO_OFF)
        say("SENT echo off")
        line = await self.next_line()
        await self.send(ECHO_ON + b"\r\nWelcome.\r\n")
        say("SENT echo on after " + shown(line))

    async def scenario_close(self):
        await self.send(b"Closing now.\r\n")
        self.writer.close()
        await self.writer.wait_closed()
        say("SENT close")
        raise Ended("by server")

    async def scenario_reset(self):
        await self.send(b"Resetting now.\r\n")
        await asyncio.sleep(0.2)
        raw = self.writer.transport.get_extra_info("socket")
        raw.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.writer.transport.abort()
        say("SENT reset")
        raise Ended("reset by server")

    async def scenario_slow_reader(self):
        self.writer.transport.pause_reading()
        say("SENT pause")
        await asyncio.sleep(self.args.pause)
        self.writer.transport.resume_reading()
        say("SENT resume")


class Demo:
    ROOMS = {
        "square": ("\x1b[1m\x1b[33mTown Square\x1b[0m",
                   "A fountain splashes in the middle of the cobbled square. Lanterns sway in the wind.",
                   {"north": "gate", "east": "inn"}),
        "gate": ("\x1b[1m\x1b[36mNorth Gate\x1b[0m",
                 "The great wooden gate stands open. A \x1b[32mgreen\x1b[0m meadow stretches beyond it.",
                 {"south": "square"}),
        "inn": ("\x1b[1m\x1b[35mThe Sleeping Dragon\x1b[0m",
                "A warm inn smelling of bread and ale. A \x1b[31mred\x1b[0m fire crackles in the hearth.",
                {"west": "square"}),
    }
    SHORT = {"n": "north", "s": "south", "e": "east", "w": "west"}

    def __init__(self, session):
        self.session = session
        self.room = "square"

    async def out(self, text):
        await self.session.send(text.replace("\n", "\r\n").encode("latin-1"))

    async def ask(self, prompt):
        await self.out(prompt)
        return (await self.session.next_line(timeout=3600)).decode("latin-1").strip()

    async def look(self):
        title, text, exits = self.ROOMS[self.room]
        await self.out("\n%s\n%s\n\x1b[36m[Exits: %s]\x1b[0m\n> " % (title, text, " ".join(exits)))

    async def play(self):
        await self.out("\x1b[1m\x1b[34m*** Welcome to the Vandrel demo server ***\x1b[0m\n"
                       "This is a local stand-in for the game, for trying the client.\n\n")
        name = await self.ask("By what name do you wish to be known? ") or "Wanderer"
        await self.session.send(b"Password: " + ECHO_OFF)
        await self.session.next_line(timeout=3600)
        await self.session.send(ECHO_ON + b"\r\n")
        await self.session.send((";slogin;%s;elogin;" % name).encode("latin-1", "replace"))
        await self.out("\x1b[1m\x1b[32mWelcome, %s!\x1b[0m Type n, s, e, w, look or quit.\n" % name)
        await self.look()
        while True:
            command = (await self.session.next_line(timeout=3600)).decode("latin-1").strip().lower()
            command = self.SHORT.get(command, command)
            if command == "quit":
                await self.out("Farewell.\n")
                self.session.writer.close()
                await self.session.writer.wait_closed()
                raise Ended("quit")
            if command in ("look", "l", ""):
                await self.look()
            elif command in self.ROOMS[self.room][2]:
                self.room = self.ROOMS[self.room][2][command]
                await self.look()
            else:
                await self.out("\x1b[31mYou cannot do that here.\x1b[0m\n> ")


async def serve(args):
    done = asyncio.get_running_loop().create_future()
    if args.max_seconds > 0:
        asyncio.get_running_loop().call_later(args.max_seconds, lambda: done.done() or done.set_result("max-seconds"))
    tasks = set()

    async def handle(reader, writer):
        say("CONNECT %s:%d" % writer.get_extra_info("peername")[:2])
        if args.scenario == "silent" and not args.demo:
            # Plain TCP: the client's handshake bytes are read and never answered.
            while await reader.read(4096):
                pass
            say("CLOSED by client")
            writer.transport.abort()
            return
        await Session(reader, writer, args).run()
        if args.once:
            done.done() or done.set_result("connection ended")

    async def guarded(reader, writer):
        task = asyncio.current_task()
        tasks.add(task)
        try:
            await handle(reader, writer)
        except asyncio.CancelledError:
            # The server is stopping; ending quietly keeps asyncio from logging the cancel.
            say("CLOSED server stopping")
        finally:
            tasks.discard(task)

    # Stopped by its parent: leave through the normal path so the certificate is removed.
    asyncio.get_running_loop().add_signal_handler(signal.SIGTERM,
                                                  lambda: done.done() or done.set_result("terminated"))
    directory = tempfile.mkdtemp(prefix="vandrel-game-server-")
    try:
        context = None if args.scenario == "silent" and not args.demo else make_certificate(directory)
        server = await asyncio.start_server(guarded, args.host, args.port, ssl=context,
                                            ssl_handshake_timeout=10 if context else None)
        say("PORT %d" % server.sockets[0].getsockname()[1])
        why = await done
        server.close()
        for task in list(tasks):
            task.cancel()
        say("STOP " + why)
    finally:
        shutil.rmtree(directory, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--scenario", default="idle",
                        choices=["idle", "ansi", "colors", "link", "split_tags", "password", "close", "reset", "silent",
                                 "slow_reader"])
    parser.add_argument("--demo", action="store_true")
    parser.add_argument("--once", action="store_true", help="stop when the first connection ends")
    parser.add_argument("--pause", type=float, default=3.0, help="slow_reader: seconds without reading")
    parser.add_argument("--max-seconds", type=float, default=None,
                        help="stop after this long (default 300, 0 = never; the demo defaults to never)")
    args = parser.parse_args()
    if args.max_seconds is None:
        args.max_seconds = 0 if args.demo else 300
    try:
        asyncio.run(serve(args))
    except KeyboardInterrupt:
        say("STOP interrupted")


class GameServer:
    """Runs this server as a child process for a test and collects what it prints."""

    def __init__(self, scenario="idle", max_seconds=60, extra_args=()):
        self.process = subprocess.Popen(
            [sys.executable, os.path.abspath(__file__), "--scenario", scenario, "--max-seconds", str(max_seconds),
             *extra_args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, encoding="latin-1")
        self.output = []
        self.lock = threading.Lock()
        self.reader = threading.Thread(target=self._collect, daemon=True)
        self.reader.start()
        port_line = self.wait_for(lambda line: line.startswith("PORT "), 30)
        if not port_line:
            self.stop()
            raise RuntimeError("test game server did not start:\n" + self.text())
        self.port = int(port_line.split()[1])

    def _collect(self):
        for line in self.process.stdout:
            with self.lock:
                self.output.append(line.rstrip("\n"))

    def lines(self):
        with self.lock:
            return list(self.output)

    def text(self):
        return "\n".join(self.lines())

    def received(self):
        """The lines the client sent, in order."""
        return [line[5:] for line in self.lines() if line.startswith("RECV ")]

    def wait_for(self, predicate, timeout):
        """The first output line that satisfies predicate, waiting at most timeout seconds."""
        deadline = time.monotonic() + timeout
        while True:
            for line in self.lines():
                if predicate(line):
                    return line
            if time.monotonic() > deadline or (self.process.poll() is not None and not self.reader.is_alive()):
                return None
            time.sleep(0.05)

    def env(self):
        return {"VANDREL_GAME_SERVER": "127.0.0.1:%d" % self.port}

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)
        self.reader.join(timeout=5)


if __name__ == "__main__":
    main()
