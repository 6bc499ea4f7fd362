"""Edition deployment on the real executable and real Windows Installer:
the Polish refusal, the package written to the temporary directory, the
fresh installation and the reinstallation, and the failures that must
launch nothing."""
import subprocess
import unittest

from wine_harness import settings
from wine_harness.prefix import WineError
from wine_harness.scenario import (PACKAGE_NAME, POLISH_TEXT, PRODUCT_X64, PRODUCT_X86, LauncherScenario,
                                   launcher_message)

REINSTALL = "/i \"%s\" REINSTALL=ALL REINSTALLMODE=vomus"


class Deployment(LauncherScenario):
    """Fresh installation, then reinstallation, of one edition."""

    def install_then_reinstall(self, product, package, temp="C:\\users\\root\\Temp"):
        path = temp + "\\" + PACKAGE_NAME
        self.assertNotIn(product, self.prefix.products())

        fresh = self.launch(expect_box=False)
        self.assertEqual(0, fresh.exit_code)
        self.assertEqual([("00000000", "open", path, "", "", 5)], fresh.shell_executions())
        self.assertPackageWritten(package)
        self.assertIn(product, self.prefix.products(), "the shell's open did not install the product")

        self.prefix.temp_dir.joinpath(PACKAGE_NAME).write_bytes(b"an older package, longer than this one" * 9999)
        again = self.launch(expect_box=False)
        self.assertEqual(0, again.exit_code)
        self.assertEqual([("00000000", "open", "msiexec.exe", REINSTALL % path, "", 5)], again.shell_executions())
        self.assertPackageWritten(package)
        self.assertIn(product, self.prefix.products(), "the reinstallation lost the product")


class Outlook32Deployment(Deployment):
    machine = "outlook32"

    def test_fresh_install_then_reinstall(self):
        self.install_then_reinstall(PRODUCT_X86, settings.PACKAGE_X86)

    def test_temporary_directory_with_a_space(self):
        temp = "C:\\users\\Anna Maria\\AppData\\Local\\Temp"
        self.prefix.set_temp(temp)
        self.prefix.unix_path(temp).mkdir(parents=True)
        self.install_then_reinstall(PRODUCT_X86, settings.PACKAGE_X86, temp=temp)


class Outlook64Deployment(Deployment):
    machine = "outlook64"

    def test_fresh_install_then_reinstall(self):
        self.install_then_reinstall(PRODUCT_X64, settings.PACKAGE_X64)


class PolishEdition(LauncherScenario):
    machine = "outlook32-polish32"

    def test_refused_with_nothing_written_or_started(self):
        before = self.prefix.products()
        run = self.launch()
        self.assertBox(run, POLISH_TEXT)
        self.assertEqual([], run.shell_executions())
        self.assertEqual([], self.temp_files())
        self.assertEqual(before, self.prefix.products())


class PolishEditionOfTheOtherBitness(LauncherScenario):
    machine = "outlook32-polish64"

    def test_does_not_stop_the_32_bit_edition(self):
        self.assertSetsUp(settings.PACKAGE_X86)
        self.assertIn(PRODUCT_X86, self.prefix.products())


class Polish32With64BitOutlook(LauncherScenario):
    machine = "outlook64-polish32"

    def test_does_not_stop_the_64_bit_edition(self):
        self.assertSetsUp(settings.PACKAGE_X64)


class PackageCannotBeWritten(LauncherScenario):
    """Nothing stale, empty or partial is launched; the user is told."""
    machine = "outlook32"

    def assertNotWritten(self, run, path):
        self.assertBox(run, launcher_message("kPackageNotWritten", path))
        self.assertEqual([], run.shell_executions())
        self.assertNotIn(PRODUCT_X86, self.prefix.products())

    def test_package_file_held_open_without_write_sharing(self):
        stale = self.prefix.temp_dir / PACKAGE_NAME
        stale.write_bytes(b"a stale package of an earlier run")
        holder = self.prefix.start([settings.WINPROBE, "hold", "C:\\users\\root\\Temp\\" + PACKAGE_NAME, "60"])
        try:
            self.assertEqual("holding", holder.stdout.readline().strip())
            self.assertNotWritten(self.launch(wait_installer=False), "C:\\users\\root\\Temp\\" + PACKAGE_NAME)
            self.assertEqual(b"a stale package of an earlier run", stale.read_bytes())
        finally:
            holder.kill()
            holder.communicate()
            self.prefix.kill()

    def test_temporary_directory_missing(self):
        self.prefix.set_temp("C:\\no such folder")
        self.assertNotWritten(self.launch(), "C:\\no such folder\\" + PACKAGE_NAME)

    def test_temporary_directory_on_a_read_only_file_system(self):
        folder = self.prefix.unix_path("C:\\readonly")
        folder.mkdir()
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "ro,size=1m", "tmpfs", str(folder)],
                                 capture_output=True, text=True)
        if mounted.returncode != 0:
            raise WineError(f"these tests run as root and mount a tmpfs: {mounted.stderr}")
        self.addCleanup(subprocess.run, ["umount", "-l", str(folder)])
        self.prefix.set_temp("C:\\readonly")
        self.assertNotWritten(self.launch(), "C:\\readonly\\" + PACKAGE_NAME)


if __name__ == "__main__":
    unittest.main()
