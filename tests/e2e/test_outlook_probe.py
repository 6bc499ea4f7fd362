"""The probe and the decision on the real executable: which Outlook is
registered with Windows Installer decides the message or the edition."""
import unittest

from wine_harness import settings
from wine_harness.scenario import NOT_FOUND_TEXT, TRIAL_TEXT, LauncherScenario


class NoOutlook(LauncherScenario):
    machine = "bare"

    def test_missing_outlook_message_and_nothing_written(self):
        run = self.launch()
        self.assertBox(run, NOT_FOUND_TEXT)
        self.assertEqual([], self.temp_files())

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
        run = self.launch(expect_box=False)
        self.assertEqual(0, run.exit_code)
        self.assertPackageWritten(settings.PACKAGE_X86)


class Outlook64(LauncherScenario):
    machine = "outlook64"

    def test_sets_up_the_64_bit_edition(self):
        run = self.launch(expect_box=False)
        self.assertEqual(0, run.exit_code)
        self.assertPackageWritten(settings.PACKAGE_X64)


class BothBitnesses(LauncherScenario):
    machine = "outlook-both"

    def test_the_64_bit_marker_wins(self):
        run = self.launch(expect_box=False)
        self.assertEqual(0, run.exit_code)
        self.assertPackageWritten(settings.PACKAGE_X64)


if __name__ == "__main__":
    unittest.main()
