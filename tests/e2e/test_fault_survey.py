"""Fault survey: one row per hostile situation. In every row nothing stale,
empty or partial is launched, and a package that could not be written is
told to the user. The table is printed at the end and kept beside the
build (fault-survey.txt)."""
import os
import subprocess
import time
import unittest

from wine_harness import settings
from wine_harness.launcher import install_launcher, run_launcher
from wine_harness.prefix import WineError
from wine_harness.scenario import PACKAGE_NAME, LauncherScenario, launcher_message

WITHOUT_PACKAGES = os.environ["QUENFOLD_LAUNCHER_WITHOUT_PACKAGES"]
DEFAULT_TEMP = "C:\\users\\root\\Temp"
ROWS = []


def tearDownModule():
    widths = [max(len(row[i]) for row in ROWS + [("situation", "outcome", "package file")]) for i in range(3)]
    lines = ["| " + " | ".join(cell.ljust(w) for cell, w in zip(row, widths)) + " |"
             for row in [("situation", "outcome", "package file")] + ROWS]
    lines.insert(1, "|" + "|".join("-" * (w + 2) for w in widths) + "|")
    table = "\n".join(lines)
    (settings.CACHE.parent / "fault-survey.txt").write_text(table + "\n")
    print("\nFault survey\n" + table)


class Survey(LauncherScenario):
    machine = "outlook32"
    package = settings.PACKAGE_X86

    def launched_package(self, run):
        """The package file each launch was given, as a Unix path."""
        paths = []
        for _, _, file, parameters, _, _ in run.shell_executions():
            path = parameters.split('"')[1] if file == "msiexec.exe" else file
            paths.append(path)
        return paths

    def outcome(self, run, package_path):
        """Checks the row's invariant and says what happened."""
        self.assertEqual(0, run.exit_code)
        launched = self.launched_package(run)
        if launched:
            self.assertIsNone(run.box, "a launch must come without a message")
            self.assertEqual(1, len(launched))
            unix = self.prefix.unix_path(launched[0])
            self.assertEqual(self.package.read_bytes(), unix.read_bytes(), "a launched package must be whole")
            return "launched, the package whole"
        self.assertIsNotNone(run.box, "a package that was not launched must be told")
        # The ANSI calls see a name outside the code page with question marks.
        seen_path = package_path.encode("cp1252", errors="replace").decode("cp1252")
        texts = {launcher_message("kPackageNotWritten", seen_path), launcher_message("kTempFolderNotFound")}
        self.assertIn(run.box["text"], texts)
        return "message: " + ("temporary folder not found" if "determined" in run.box["text"] else "not written")

    def file_state(self, path):
        if path is None or not path.startswith("C:"):
            return "none"
        unix = self.prefix.unix_path(path)
        if not unix.exists():
            return "none"
        data = unix.read_bytes()
        if data == self.package.read_bytes():
            return "whole package"
        return f"other content, {len(data)} bytes"

    def row(self, situation, temp=DEFAULT_TEMP, expect_box=None, source=None, prepare=None):
        path = temp + "\\" + PACKAGE_NAME
        if temp != DEFAULT_TEMP:
            self.prefix.set_temp(temp)
        if prepare:
            prepare(path)
        if expect_box is None:
            expect_box = False
        exe = install_launcher(self.prefix, source=source)
        run = run_launcher(self.prefix, exe, expect_box=expect_box, env={"WINEDEBUG": "+exec"})
        self.prefix.wait_idle()
        outcome = self.outcome(run, path)
        ROWS.append((situation, outcome, self.file_state(path)))
        return outcome

    def mount_tmpfs(self, windows_path, options):
        folder = self.prefix.unix_path(windows_path)
        folder.mkdir(parents=True)
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", options, "tmpfs", str(folder)], capture_output=True,
                                 text=True)
        if mounted.returncode != 0:
            raise WineError(f"these tests run as root and mount a tmpfs: {mounted.stderr}")
        self.addCleanup(subprocess.run, ["umount", "-l", str(folder)])
        return folder


class TemporaryDirectory(Survey):
    def test_missing(self):
        self.assertIn("message", self.row("temporary folder missing", temp="C:\\no such folder", expect_box=True))

    def test_read_only_file_system(self):
        self.mount_tmpfs("C:\\readonly", "ro,size=1m")
        self.assertIn("message", self.row("temporary folder on a read-only file system", temp="C:\\readonly",
                                          expect_box=True))

    def test_full_disk(self):
        self.mount_tmpfs("C:\\full", "size=4k")
        # Wine reports the short write as a success; the launcher checks the count.
        self.assertIn("message", self.row("temporary folder on a full disk (4 KiB tmpfs)", temp="C:\\full",
                                          expect_box=True))

    def test_path_longer_than_1023_bytes(self):
        temp = "C:\\" + "\\".join(["d" * 200] * 6)
        self.assertIn("temporary folder not found",
                      self.row(f"temporary folder path of {len(temp)} bytes", temp=temp, expect_box=True))
        self.assertFalse(self.prefix.unix_path("C:\\Downloads\\" + PACKAGE_NAME).exists())

    def test_path_outside_the_ansi_code_page(self):
        temp = "C:\\users\\\u0395\u03bb\u03ad\u03bd\u03b7\\Temp"
        self.prefix.unix_path(temp).mkdir(parents=True)
        self.assertIn("message", self.row("temporary folder named in Greek, code page 1252", temp=temp,
                                          expect_box=True))


class EarlierPackageFile(Survey):
    def test_larger_than_the_new_package(self):
        def larger(path):
            self.prefix.unix_path(path).write_bytes(b"x" * (self.package.stat().st_size * 3))
        self.assertIn("launched", self.row("earlier package file, larger", expect_box=False, prepare=larger))

    def test_read_only(self):
        def read_only(path):
            self.prefix.unix_path(path).write_bytes(b"stale")
            self.prefix.run(["attrib", "+r", path])
        # Windows refuses to replace it (message); Wine run as root replaces it. Either way nothing stale runs.
        self.row("earlier package file, read-only", expect_box=None, prepare=read_only)

    def test_held_open_by_a_running_installer(self):
        stale = self.prefix.temp_dir / PACKAGE_NAME
        stale.write_bytes(b"the package a running installer reads")
        holder = self.prefix.start([settings.WINPROBE, "hold", DEFAULT_TEMP + "\\" + PACKAGE_NAME, "60"])
        try:
            self.assertEqual("holding", holder.stdout.readline().strip())
            exe = install_launcher(self.prefix)
            run = run_launcher(self.prefix, exe, expect_box=True, env={"WINEDEBUG": "+exec"})
            outcome = self.outcome(run, DEFAULT_TEMP + "\\" + PACKAGE_NAME)
            self.assertEqual(b"the package a running installer reads", stale.read_bytes())
            ROWS.append(("earlier package file held open by a running installer", outcome, "left as it was"))
        finally:
            holder.kill()
            holder.communicate()
            self.prefix.kill()


class TwoLaunchersAtOnce(Survey):
    def test_both_started_at_the_same_moment(self):
        exe = install_launcher(self.prefix)
        traces = [open(self.prefix.path / f"launcher{i}.log", "w+") for i in range(2)]
        launchers = [self.prefix.start([exe], env={"WINEDEBUG": "+exec"}, output=trace) for trace in traces]
        boxes = []
        deadline = time.monotonic() + settings.COMMAND_SECONDS
        while any(launcher.poll() is None for launcher in launchers) and time.monotonic() < deadline:
            seen = self.prefix.run([settings.WINPROBE, "box", "2"], check=False).stdout.strip().splitlines()
            if seen and '"found": true' in seen[-1]:
                boxes.append(seen[-1])
        self.assertTrue(all(launcher.poll() == 0 for launcher in launchers), "both launchers end with 0")
        self.prefix.wait_idle()
        launches = 0
        for trace in traces:
            trace.seek(0)
            launches += trace.read().count("trace:exec:ShellExecuteA")
            trace.close()
        self.assertEqual(2, launches + len(boxes), "each launcher either launches or tells the user")
        self.assertEqual(self.package.read_bytes(), (self.prefix.temp_dir / PACKAGE_NAME).read_bytes())
        self.assertIn("{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}", self.prefix.products())
        ROWS.append(("two launchers started at once", f"{launches} launched, {len(boxes)} message(s)",
                     "whole package"))


class BuildWithoutPackages(Survey):
    def test_missing_32_bit_package(self):
        self.assertIn("message", self.row("32-bit package resource missing (test build)", expect_box=True,
                                          source=WITHOUT_PACKAGES))


class BuildWithEmpty64BitPackage(Survey):
    machine = "outlook64"
    package = settings.PACKAGE_X64

    def test_empty_64_bit_package(self):
        self.assertIn("message", self.row("64-bit package resource empty (test build)", expect_box=True,
                                          source=WITHOUT_PACKAGES))


if __name__ == "__main__":
    unittest.main()
