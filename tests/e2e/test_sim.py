"""veskara-sim as a user and a UI-automation client meet it: place, shape, owner, controls,
colours, the clock and date panel, the simulated load panel, dragging, Esc, and Chinese
captions under both ANSI code pages. One run serves the ordered steps of a class."""

import datetime
import re
import time
import unittest

import date_panel
import widget
from widget import Widget, pixel, program_path, screenshot

SCREEN = (1280, 1024)
CENTRED = ((SCREEN[0] - 340) // 2, (SCREEN[1] - 341) // 2)
START_UP_SECONDS = 300  # the first window of a run, Wine's start through an emulator included

# Visible controls: ID -> (left, top, width, height) in client coordinates.
PLACES = {
    1: (56, 232, 224, 24), 2: (214, 254, 72, 24), 3: (56, 208, 56, 24), 4: (112, 272, 136, 40),
    5: (64, 246, 136, 40), 6: (80, 66, 56, 32), 8: (148, 62, 36, 27), 10: (56, 184, 56, 24),
    11: (56, 160, 56, 24), 12: (227, 66, 22, 22), 13: (146, 44, 62, 16), 14: (120, 24, 88, 13),
    15: (128, 308, 88, 13), 16: (56, 136, 56, 24), 17: (56, 112, 56, 24), 18: (112, 100, 112, 48),
    19: (224, 104, 48, 44), 21: (214, 158, 70, 74), 22: (112, 152, 104, 80), 24: (184, 62, 44, 27),
}
# Captions no start-up step changes.
DESIGN_TEXTS = {3: "置顶", 10: "天气↑", 11: "天气↓", 16: "透明度↑", 17: "透明度↓", 15: "by:qolvex"}

DISC, RING = (223, 230, 240), (68, 68, 68)


def near(colour, expected, tolerance=8):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


def painted(snap):
    """Whether a screenshot shows the widget drawn, face and controls: the window exists a
    moment before X shows it painted."""
    left, top = snap.rect[:2]
    panel_corner = snap.screen_point(21, 0.97, 0.03)
    return lambda p: near(pixel(p, left + 100, top + 100), DISC) and near(pixel(p, *panel_corner), DISC)


class SimulatedWidget(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.run_ = Widget(program_path("veskara-sim.exe")).__enter__()
        cls.snap = cls.run_.snapshot(START_UP_SECONDS)
        cls.shot = widget.screenshot_when("sim-started", painted(cls.snap))

    @classmethod
    def tearDownClass(cls):
        cls.run_.__exit__(None, None, None)

    def test_1_opens_centred_opaque_and_without_taskbar_button(self):
        self.assertEqual(self.snap.rect, (CENTRED[0], CENTRED[1], CENTRED[0] + 340, CENTRED[1] + 341))
        self.assertFalse(self.snap.topmost)
        self.assertFalse(self.snap.layered, "opaque at start without a transparency call")
        self.assertEqual(self.snap.owner, {"exists": True, "visible": False, "toolwindow": True})

    def test_1_region_is_the_skin_pictures_runs(self):
        skin = widget.read_png_rgba(widget.SOURCE + "/assets/skin.png")
        expected = {(x, y) for y, row in enumerate(skin) for x, p in enumerate(row) if p[:3] != (255, 255, 255)}
        actual = {(x, y) for (l, t, r, b) in self.snap.region for y in range(t, b) for x in range(l, r)}
        self.assertTrue(self.snap.region, "the window has a region")
        self.assertEqual(len(actual ^ expected), 0, "region and skin differ in %d pixels" % len(actual ^ expected))

    def test_1_visible_controls_sit_at_their_places_with_ids_and_texts(self):
        shown = {i: c["rect"] for i, c in self.snap.controls.items() if c["visible"]}
        self.assertEqual(shown, PLACES)
        for control_id, text in DESIGN_TEXTS.items():
            self.assertEqual(self.snap.text(control_id), text)
        self.assertNotIn(20, shown, "the lunar calendar is never visible")

    def test_1_disc_and_ring_show_their_colours(self):
        picture = self.shot
        left, top = self.snap.rect[:2]
        self.assertTrue(near(pixel(picture, left + 100, top + 100), DISC), pixel(picture, left + 100, top + 100))
        self.assertTrue(near(pixel(picture, left + 172, top + 28), RING), pixel(picture, left + 172, top + 28))
        # Outside the disc the widget is cut away: the (black) root window shows.
        self.assertEqual(pixel(picture, left + 2, top + 2), (0, 0, 0))

    def test_2_clock_shows_local_time_and_the_panel_today(self):
        for _ in range(3):  # read again when the minute rolls over meanwhile
            before = datetime.datetime.now()
            snap = self.run_.snapshot()
            after = datetime.datetime.now()
            if before.strftime("%Y%m%d%H%M") == after.strftime("%Y%m%d%H%M"):
                break
        self.assertEqual(snap.text(18), before.strftime("%H:%M"))
        self.assertRegex(snap.text(19), r"^\d\d$")
        self.assertEqual(snap.text(21), date_panel.panel(before.date()))
        screenshot("sim-clock")
        time.sleep(2.5)
        self.assertNotEqual(self.run_.snapshot().text(19), snap.text(19), "the seconds move on")

    def test_3_simulated_load_stays_in_range_with_a_fixed_core_count(self):
        cores = set()
        for _ in range(2):
            time.sleep(3.5)
            snap = self.run_.snapshot()
            cpu = re.fullmatch(r"(\d+)%", snap.text(6))
            cores_temp = re.fullmatch(r"(\d+)核CPU：(\d+)℃  ", snap.text(5))
            memory = re.fullmatch(r"内存:(\d+)%", snap.text(4))
            self.assertTrue(cpu and cores_temp and memory, (snap.text(6), snap.text(5), snap.text(4)))
            self.assertTrue(12 <= int(cpu.group(1)) <= 100)
            self.assertTrue(3 <= int(cores_temp.group(1)) <= 12)
            self.assertTrue(30 <= int(cores_temp.group(2)) <= 100)
            self.assertTrue(12 <= int(memory.group(1)) <= 100)
            cores.add(cores_temp.group(1))
        self.assertEqual(len(cores), 1, "the core count never changes")

    def test_4_drags_by_the_clock_not_by_the_cpu_figure(self):
        before = self.run_.snapshot()
        widget.drag(before.screen_point(6), (60, 40))
        self.assertEqual(self.run_.snapshot().rect, before.rect, "a press on the CPU figure does not drag")
        widget.drag(before.screen_point(18), (60, 40))
        moved = self.run_.snapshot()
        self.assertEqual(moved.rect[:2], (before.rect[0] + 60, before.rect[1] + 40))
        screenshot("sim-dragged")

    def test_5_esc_ends_the_program_with_exit_code_0(self):
        widget.key("Escape", at=self.run_.snapshot().screen_point(18))
        self.assertEqual(self.run_.wait_exit(), 0)


class CaptionsUnderCodePage1252(unittest.TestCase):
    """The run above has code page 936; captions must not depend on it."""

    def test_captions_read_right(self):
        with Widget(program_path("veskara-sim.exe"), locale="en_US.UTF-8") as run:
            snap = run.snapshot(START_UP_SECONDS)
            widget.screenshot_when("sim-cp1252", painted(snap))
            for control_id, text in DESIGN_TEXTS.items():
                self.assertEqual(snap.text(control_id), text)


if __name__ == "__main__":
    unittest.main()
