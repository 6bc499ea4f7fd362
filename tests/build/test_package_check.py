"""A maker's packages are checked before they are embedded: a swapped,
foreign or broken package stops the configuration with a clear message."""
import os
import pathlib
import subprocess
import unittest

from configure import SOURCE, ScratchTree, cmake_configure

PACKAGE_X64 = pathlib.Path(os.environ["QUENFOLD_EMBEDDED_X64"])
PACKAGE_X86 = pathlib.Path(os.environ["QUENFOLD_EMBEDDED_X86"])
FIXTURES = pathlib.Path(os.environ["QUENFOLD_FIXTURES"])


def variant_of_x86_package(folder, name, *replacements):
    """The development 32-bit package built from its WiX source with edits."""
    source = (SOURCE / "res" / "packages" / "quenfold-x86.wxs").read_text()
    for old, new in replacements:
        assert old in source, old
        source = source.replace(old, new)
    (folder / "payload.txt").write_bytes((SOURCE / "res" / "packages" / "payload.txt").read_bytes())
    (folder / f"{name}.wxs").write_text(source)
    subprocess.run(["wixl", "-o", f"{name}.msi", f"{name}.wxs"], cwd=folder, check=True, capture_output=True)
    return folder / f"{name}.msi"


class PackageCheck(unittest.TestCase):
    def configure(self, x64, x86):
        with ScratchTree() as tree:
            return cmake_configure(tree / "build", QUENFOLD_PACKAGE_X64=x64, QUENFOLD_PACKAGE_X86=x86)

    def assertRejected(self, done, *fragments):
        self.assertNotEqual(0, done.returncode, done.stdout)
        message = " ".join(done.stderr.split())
        for fragment in fragments:
            self.assertIn(fragment, message)

    def test_the_right_packages_are_taken(self):
        done = self.configure(PACKAGE_X64, PACKAGE_X86)
        self.assertEqual(0, done.returncode, done.stderr)

    def test_swapped_packages_are_named_with_each_mismatch(self):
        done = self.configure(PACKAGE_X86, PACKAGE_X64)
        self.assertRejected(done, f"QUENFOLD_PACKAGE_X64={PACKAGE_X86} does not fit the launcher",
                            'platform is "Intel", not "x64"',
                            'ProductCode is "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}", not '
                            '"{00D5F9CA-4DB7-4868-BC51-CA2E6891350E}"')

    def test_a_foreign_package_is_rejected(self):
        foreign = FIXTURES / "polish32.msi"
        self.assertRejected(self.configure(PACKAGE_X64, foreign), f"QUENFOLD_PACKAGE_X86={foreign}",
                            'not "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}" that the launcher pairs with it')

    def test_missing_and_unreadable_files_are_configure_errors(self):
        with ScratchTree() as folder:
            missing = folder / "absent.msi"
            self.assertRejected(self.configure(missing, PACKAGE_X86), f"QUENFOLD_PACKAGE_X64={missing}",
                                "the file does not exist")
            text = folder / "notes.msi"
            text.write_text("not a package")
            self.assertRejected(self.configure(PACKAGE_X64, text), f"QUENFOLD_PACKAGE_X86={text}",
                                "not a readable Windows Installer package")
            empty = folder / "empty.msi"
            empty.write_bytes(b"")
            self.assertRejected(self.configure(empty, PACKAGE_X86), "the file is empty")

    def test_polish_and_external_cabinet_packages_are_rejected(self):
        with ScratchTree() as folder:
            polish = variant_of_x86_package(folder, "polish", ('Language="1033"', 'Language="1045"'))
            subprocess.run(["msibuild", str(polish), "-s", "Brellix Quenfold Setup", "Brellix", "Intel;1045",
                            "{B47DC606-F451-41F5-B30B-95B83CE55E40}"], check=True)
            self.assertRejected(self.configure(PACKAGE_X64, polish), 'summary language is "1045", not "1033"',
                                'ProductLanguage is "1045", not "1033"')
            external = variant_of_x86_package(folder, "external", ('EmbedCab="yes"', 'EmbedCab="no"'))
            self.assertRejected(self.configure(PACKAGE_X64, external),
                                'media 1 keeps its files outside the package (cabinet "quenfold.cab")')


if __name__ == "__main__":
    unittest.main()
