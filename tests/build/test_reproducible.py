"""Two builds from clean trees in different places, with the same package
files, give byte-identical executables: no time stamp, no build path."""
import hashlib
import os
import pathlib
import shutil
import subprocess
import unittest

from configure import SOURCE, ScratchTree, cmake_build, cmake_configure

PACKAGE_X64 = pathlib.Path(os.environ["QUENFOLD_EMBEDDED_X64"])
PACKAGE_X86 = pathlib.Path(os.environ["QUENFOLD_EMBEDDED_X86"])


def tracked_copy(target):
    """The committed and working files of the source tree, nothing built."""
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=SOURCE, check=True,
                           capture_output=True, text=True).stdout.split()
    for name in files:
        if (SOURCE / name).is_file():
            (target / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(SOURCE / name, target / name)


class Reproducible(unittest.TestCase):
    def test_two_clean_builds_are_identical(self):
        digests = []
        for place in ("first", "second-place-with-a-longer-name"):
            with ScratchTree() as tree:
                source = tree / place / "src"
                source.mkdir(parents=True)
                tracked_copy(source)
                build = tree / place / "out"
                done = cmake_configure(build, source=source, QUENFOLD_PACKAGE_X64=PACKAGE_X64,
                                       QUENFOLD_PACKAGE_X86=PACKAGE_X86)
                self.assertEqual(0, done.returncode, done.stderr)
                done = cmake_build(build)
                self.assertEqual(0, done.returncode, done.stdout[-3000:])
                exe = (build / "Q7QuenfoldSetupBootEN.exe").read_bytes()
                self.assertNotIn(str(tree).encode(), exe)
                digests.append(hashlib.sha256(exe).hexdigest())
        self.assertEqual(digests[0], digests[1])


if __name__ == "__main__":
    unittest.main()
