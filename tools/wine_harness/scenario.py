"""A unittest base class: each test gets a fresh prefix and a launcher in it."""
import os
import re
import unittest

from . import prefix as prefixes
from . import settings
from .launcher import install_launcher, run_launcher

NOT_FOUND_TEXT = ("Microsoft Outlook not detected. This application requires Microsoft Outlook 2000, XP, 2003, 2007 "
                  "or 2010 for proper operation.\n\nInstall Microsoft Outlook and retry.")
TRIAL_TEXT = ("The Installer detected Microsoft Outlook Trial version. This application requires Microsoft Outlook "
              "2000, XP, 2003, 2007 or 2010 full version for proper operation.\n\nInstall Microsoft Outlook full "
              "version and retry.")
POLISH_TEXT = ("There is already polish version of Brellix Quenfold installed on this system. Please use polish "
               "version of a setup program to update the product.")

PRODUCT_X64 = "{00D5F9CA-4DB7-4868-BC51-CA2E6891350E}"
PRODUCT_X86 = "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}"
PACKAGE_NAME = "QuenfoldSetup.msi"


def launcher_message(name, path=None):
    """A message of the launcher's own code, as its source writes it, with
    the package path put in."""
    source = (settings.SOURCE / "app" / "launcher_messages.h").read_text()
    literal = re.search(r"const char %s\[\] =(.*?);" % name, source, re.S).group(1)
    text = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', literal)).replace("\\n", "\n")
    return text.replace("%s", path) if path is not None else text


def fixture(name):
    return settings.FIXTURES / f"{name}.msi"


# The machines the scenarios start from: which registrations they carry.
MACHINES = {
    "bare": (),
    "outlook32": ("outlook32",),
    "outlook64": ("outlook64",),
    "outlook-both": ("outlook64", "outlook32"),
    "outlook-trial": ("outlook-trial",),
    "outlook32-polish32": ("outlook32", "polish32"),
    "outlook32-polish64": ("outlook32", "polish64"),
    "outlook64-polish32": ("outlook64", "polish32"),
}


def machine_prefix(machine):
    """The run's prefix of one of MACHINES, its registrations made once."""
    return prefixes.variant(machine, [fixture(name) for name in MACHINES[machine]])


class LauncherScenario(unittest.TestCase):
    machine = "bare"

    def setUp(self):
        # The process id keeps two test programs that run one scenario apart.
        self.prefix = prefixes.scenario(f"{self.id()}-{os.getpid()}".replace("/", "_"), machine_prefix(self.machine))
        self.addCleanup(self.prefix.remove)

    def launch(self, name="Q7QuenfoldSetupBootEN.exe", args=(), expect_box=True, source=None, wait_installer=True,
               env=None, picture=None):
        exe = install_launcher(self.prefix, name=name, source=source)
        run = run_launcher(self.prefix, exe, args=args, expect_box=expect_box, picture=picture,
                           env={"WINEDEBUG": "+exec", **(env or {})})
        if wait_installer:
            self.prefix.wait_idle()
        return run

    def assertBox(self, run, text, caption="Q7QuenfoldSetupBootEN"):
        self.assertEqual(0, run.exit_code)
        box = {k: v for k, v in run.box.items() if k != "rect"}
        self.assertEqual({"found": True, "caption": caption, "text": text, "icon": "exclamation",
                          "buttons": ["OK"], "owner": False}, box)

    def temp_files(self):
        folder = self.prefix.temp_dir
        return sorted(p.name for p in folder.iterdir()) if folder.exists() else []

    def assertSetsUp(self, embedded):
        """The launcher ends with 0, shows nothing and has written that package."""
        run = self.launch(expect_box=False)
        self.assertEqual(0, run.exit_code)
        self.assertPackageWritten(embedded)
        return run

    def assertPackageWritten(self, embedded):
        written = self.prefix.temp_dir / PACKAGE_NAME
        self.assertTrue(written.exists(), f"{written} was not written")
        self.assertEqual(embedded.read_bytes(), written.read_bytes(), "the package file differs from the package")
