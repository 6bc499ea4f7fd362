"""The probe and the decision on the real executable: which Outlook is
registered with Windows Installer decides the message or the edition."""
import struct
import unittest

from wine_harness import settings
from wine_harness.scenario import NOT_FOUND_TEXT, TRIAL_TEXT, LauncherScenario


class NoOutlook(LauncherScenario):
    machine = "bare"

    def test_missing_outlook_message_and_nothing_written(self):
        run = self.launch()
        self.assertBox(run, NOT_FOUND_TEXT)
        self.assertEqual([], self.temp_files())

    def test_picture_of_the_box_is_what_the_screen_shows(self):
        bitmap = self.prefix.path / "box.bmp"
        run = self.launch(picture=bitmap)
        self.assertBox(run, NOT_FOUND_TEXT)
        data = bitmap.read_bytes()
        width, height = struct.unpack("<ii", data[18:26])
        (bits,) = struct.unpack("<H", data[28:30])
        left, top, right, bottom = run.box["rect"]
        # A 24-bit picture of the whole frame, rows from the top.
        self.assertEqual((b"BM", right - left, -(bottom - top), 24), (data[:2], width, height, bits))
        row_bytes = (width * 3 + 3) & ~3
        self.assertEqual(54 + row_bytes * -height, len(data))
        rows = [data[54 + y * row_bytes:54 + y * row_bytes + width * 3] for y in range(-height)]
        colours = {row[x:x + 3] for row in rows for x in range(0, len(row), 3)}
        self.assertGreater(len(colours), 2, "the picture shows the box, not an empty area")

    def test_caption_follows_the_file_name(self):
        self.assertBox(self.launch(name="Installer.exe"), NOT_FOUND_TEXT, caption="Installer")

    def test_command_line_arguments_change_nothing(self):
        run = self.launch(args=["/qn", "/x", "REINSTALL=ALL", "C:\\some where\\file.msi"])
        self.assertBox(run, NOT_FOUND_TEXT)
        self.assertEqual([], self.temp_files())


class TrialOutlook(LauncherScenario):
    machine = "outlook-trial"

    def test_trial_message_and_nothing_written(self):
        self.assertBox(self.launch(), TRIAL_TEXT)
        self.assertEqual([], self.temp_files())


class Outlook32(LauncherScenario):
    machine = "outlook32"

    def test_sets_up_the_32_bit_edition(self):
        self.assertSetsUp(settings.PACKAGE_X86)


class Outlook64(LauncherScenario):
    machine = "outlook64"

    def test_sets_up_the_64_bit_edition(self):
        self.assertSetsUp(settings.PACKAGE_X64)


class BothBitnesses(LauncherScenario):
    machine = "outlook-both"

    def test_the_64_bit_marker_wins(self):
        self.assertSetsUp(settings.PACKAGE_X64)


if __name__ == "__main__":
    unittest.main()
