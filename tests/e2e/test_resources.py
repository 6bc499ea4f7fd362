"""The launcher's strings and packages come from its own resources,
whatever the interface language and whatever lies beside it."""
import os
import shutil
import unittest

from wine_harness import settings
from wine_harness.scenario import NOT_FOUND_TEXT, LauncherScenario

LOCALES = {"pl_PL.UTF-8": "user 0415 system 0415 ui 0415", "en_US.UTF-8": "user 0409 system 0409 ui 0409"}
SATELLITE = os.environ["QUENFOLD_SATELLITE"]
EXE = "Q7QuenfoldSetupBootEN"


class InterfaceLanguageWithoutOutlook(LauncherScenario):
    machine = "bare"

    def test_strings_are_found_in_each_locale(self):
        for locale, languages in LOCALES.items():
            with self.subTest(locale=locale):
                env = {"LC_ALL": locale}
                self.assertEqual(languages, self.prefix.run([settings.WINPROBE, "locale"], env=env).stdout.strip())
                self.assertBox(self.launch(env=env), NOT_FOUND_TEXT)


class InterfaceLanguageWith32BitOutlook(LauncherScenario):
    machine = "outlook32"

    def test_package_is_found_in_each_locale(self):
        for locale in LOCALES:
            with self.subTest(locale=locale):
                self.launch(expect_box=False, env={"LC_ALL": locale})
                self.assertPackageWritten(settings.PACKAGE_X86)


def place_satellites(prefix):
    """The satellite under every name a framework might look for."""
    folder = prefix.unix_path("C:\\Downloads")
    folder.mkdir(parents=True, exist_ok=True)
    for name in (f"{EXE}PLK.dll", f"{EXE}ENU.dll", f"{EXE}LOC.dll", f"pl-PL/{EXE}.exe.mui",
                 f"en-US/{EXE}.exe.mui"):
        (folder / name).parent.mkdir(exist_ok=True)
        shutil.copyfile(SATELLITE, folder / name)


class SatelliteWithoutOutlook(LauncherScenario):
    machine = "bare"

    def test_strings_still_come_from_the_executable(self):
        place_satellites(self.prefix)
        for locale in LOCALES:
            with self.subTest(locale=locale):
                self.assertBox(self.launch(env={"LC_ALL": locale}), NOT_FOUND_TEXT)


class SatelliteWith32BitOutlook(LauncherScenario):
    machine = "outlook32"

    def test_package_still_comes_from_the_executable(self):
        place_satellites(self.prefix)
        self.launch(expect_box=False, env={"LC_ALL": "pl_PL.UTF-8"})
        self.assertPackageWritten(settings.PACKAGE_X86)


if __name__ == "__main__":
    unittest.main()
