"""veskara with the stand-in register driver library beside it: the temperature label from
chosen register values, the error text when reads fail, the error box and exit code -1
without the library, and the process affinity left as it started between readings."""

import os
import re
import shutil
import tempfile
import time
import unittest

import widget
from widget import Widget, program_path, screenshot

START_UP_SECONDS = 300
STAND_IN = os.path.join(widget.BUILD, "stand_in", "WinRing0.dll")
# Bit 31 set (a valid readout) and 57 in bits 22 to 16: 100 - 57 = 43 degrees.
READOUT_57 = "0x88390000"


def program_folder(with_library):
    """veskara.exe alone in a folder, with or without the library beside it."""
    folder = tempfile.mkdtemp(prefix="veskara-live-")
    shutil.copy(program_path("veskara.exe"), folder)
    if with_library:
        shutil.copy(STAND_IN, folder)
    return folder


def load_labels(run, pattern):
    """Snapshots until the core/temperature label matches (the first refresh comes within
    a few seconds of start-up)."""
    for _ in range(20):
        snap = run.snapshot()
        if re.fullmatch(pattern, snap.text(5)):
            return snap
        time.sleep(2)
    return snap


class LiveReadings(unittest.TestCase):
    def test_temperature_from_the_register_and_affinity_kept(self):
        folder = program_folder(with_library=True)
        env = {"VESKARA_STANDIN_MSR_19C": READOUT_57}
        with Widget(os.path.join(folder, "veskara.exe"), env=env, cwd=folder) as run:
            first = run.snapshot(START_UP_SECONDS)
            snap = load_labels(run, r"\d+核CPU：43℃  ")
            screenshot("live-43")
            self.assertEqual(snap.text(5), "%d核CPU：43℃  " % snap.cores, "WMI's core count")
            self.assertRegex(snap.text(6), r"^([1-9]\d?|100)%$")
            # 0 where the system reports no sensible memory load (Wine on a large host).
            self.assertRegex(snap.text(4), r"^内存:(\d{1,2}|100)%$")
            self.assertEqual(snap.affinity, first.affinity, "readers put the process back where it started")
            self.assertEqual(snap.affinity, snap.system_affinity)

    def test_failing_reads_show_the_error_text(self):
        folder = program_folder(with_library=True)
        with Widget(os.path.join(folder, "veskara.exe"), env={"VESKARA_STANDIN_FAIL": "1"}, cwd=folder) as run:
            run.snapshot(START_UP_SECONDS)
            snap = load_labels(run, r"\d+核CPU：出错  ")
            self.assertRegex(snap.text(5), r"^[1-9]\d*核CPU：出错  $")

    def test_missing_library_shows_an_error_box_and_exits_with_minus_1(self):
        folder = program_folder(with_library=False)
        with Widget(os.path.join(folder, "veskara.exe"), cwd=folder) as run:
            box = run.probe("errorbox", START_UP_SECONDS)
            texts = " ".join(r[1] for r in box if r[0] == "text")
            self.assertIn("WinRing0.dll", texts)
            self.assertIn("InitializeOls", texts)
            self.assertEqual(run.wait_exit(120), 255, "ExitProcess(-1) arrives as 255")


if __name__ == "__main__":
    unittest.main()
