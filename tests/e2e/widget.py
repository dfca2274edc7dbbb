"""Drives a real program of the widget under Wine on the test display and reads what a
user and a UI-automation client see: the probe's report, screenshots, mouse and keys."""

import os
import struct
import subprocess
import time
import zlib

BUILD = os.environ.get("VESKARA_BUILD", os.path.join(os.path.dirname(__file__), "../../build/win32"))
SOURCE = os.environ.get("VESKARA_SOURCE", os.path.join(os.path.dirname(__file__), "../.."))
WINE_RUN = os.path.join(SOURCE, "scripts", "wine-run.sh")
ARTIFACTS = os.path.join(SOURCE, "artifacts")
PROBE = os.path.join(BUILD, "tests", "e2e", "probe.exe")


def program_path(name):
    return os.path.join(BUILD, name)


class Widget:
    """One run of a program with one probe beside it; use as a context manager so neither
    outlives a test. A run keeps its probe for all its questions: every Wine process start
    costs a little (32-bit code runs through an emulator here)."""

    def __init__(self, exe, locale="zh_CN.UTF-8", env=None, cwd=None):
        self.exe = exe
        self.env = dict(os.environ, LC_ALL=locale, **(env or {}))
        self.cwd = cwd
        self.process = None
        self.prober = None

    def __enter__(self):
        self.process = subprocess.Popen([WINE_RUN, self.exe], env=self.env, cwd=self.cwd,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.prober = subprocess.Popen([WINE_RUN, PROBE, "serve"], env=self.env, stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        for p in (self.process, self.prober):
            if p and p.poll() is None:
                p.kill()
                p.wait()
        if self.prober:
            self.prober.stdin.close()
            self.prober.stdout.close()
        subprocess.run(["xdotool", "mouseup", "1"], stderr=subprocess.DEVNULL)
        return False

    def probe(self, command="dump", seconds=40):
        """The probe's records, each a list of fields: window, process, owner, region, control."""
        self.prober.stdin.write(("%s %d\n" % (command, seconds)).encode())
        self.prober.stdin.flush()
        records = []
        for raw in self.prober.stdout:
            line = raw.decode("utf-8").rstrip("\r\n")
            if line == "end":
                return records
            if line.strip():
                records.append(line.split("\t"))
        raise AssertionError("the probe ended early: %r" % records)

    def snapshot(self, seconds=40):
        return Snapshot(self.probe("dump", seconds))

    def wait_exit(self, seconds=60):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None


def unescape(text):
    return text.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t")


class Snapshot:
    def __init__(self, records):
        self.records = records
        window = next((r for r in records if r[0] == "window"), None)
        if window is None:
            raise AssertionError("the widget's window was not found: %r" % records[:3])
        self.rect = tuple(int(v) for v in window[1:5])
        self.client_origin = (int(window[6]), int(window[7]))
        self.client_size = (int(window[8]), int(window[9]))
        self.layered = window[11] == "1"
        self.topmost = window[13] == "1"
        process = next(r for r in records if r[0] == "process")
        self.affinity, self.system_affinity = int(process[3]), int(process[5])
        self.cores = int(process[7])
        owner = next(r for r in records if r[0] == "owner")
        self.owner = {"exists": owner[1] == "1", "visible": owner[3] == "1", "toolwindow": owner[5] == "1"}
        self.region = [tuple(int(v) for v in r[1:5]) for r in records if r[0] == "region"]
        self.controls = {}
        for r in records:
            if r[0] == "control":
                self.controls[int(r[1])] = {
                    "class": r[2], "rect": tuple(int(v) for v in r[3:7]),
                    "visible": r[7] == "1", "text": unescape(r[8]) if len(r) > 8 else ""}

    def text(self, control_id):
        return self.controls[control_id]["text"]

    def screen_point(self, control_id, dx=0.5, dy=0.5):
        """A point inside a control, in screen coordinates."""
        left, top, width, height = self.controls[control_id]["rect"]
        return (self.client_origin[0] + left + int(width * dx), self.client_origin[1] + top + int(height * dy))


def screenshot(name):
    os.makedirs(ARTIFACTS, exist_ok=True)
    path = os.path.join(ARTIFACTS, name + ".png")
    subprocess.run(["import", "-window", "root", path], check=True)
    return path


def screenshot_when(name, shows, seconds=30):
    """A screenshot as soon as shows(pixels) holds, or the last one tried after seconds."""
    deadline = time.monotonic() + seconds
    while True:
        path = screenshot(name)
        if shows(pixels(path)) or time.monotonic() > deadline:
            return pixels(path)
        time.sleep(0.5)


def pixels(path):
    """(width, height, bytes) of a picture as 8-bit RGB."""
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, check=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return int(size[0]), int(size[1]), raw


def pixel(picture, x, y):
    width, _, raw = picture
    i = (y * width + x) * 3
    return tuple(raw[i:i + 3])


def drag(start, offset):
    x, y = start
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    time.sleep(0.3)
    subprocess.run(["xdotool", "mousedown", "1"], check=True)
    for step in range(1, 6):
        time.sleep(0.1)
        subprocess.run(["xdotool", "mousemove", str(x + offset[0] * step // 5), str(y + offset[1] * step // 5)], check=True)
    time.sleep(0.3)
    subprocess.run(["xdotool", "mouseup", "1"], check=True)
    time.sleep(0.5)


def key(name, at=None):
    if at:
        subprocess.run(["xdotool", "mousemove", str(at[0]), str(at[1])], check=True)
        time.sleep(0.2)
    subprocess.run(["xdotool", "key", name], check=True)


def read_png_rgba(path):
    """The pixels of an 8-bit RGBA, non-interlaced PNG as rows of (r, g, b, a): enough for
    the widget's own skin picture, read independently of the widget's decoder."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, width = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour == 6 and interlace == 0, "8-bit RGBA expected"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride, rows, prev = width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if kind == 1: line[i] = (line[i] + a) & 0xFF
            elif kind == 2: line[i] = (line[i] + b) & 0xFF
            elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        prev = line
    return rows
