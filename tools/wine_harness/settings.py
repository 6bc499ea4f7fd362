"""Where the built programs and the test packages are, from CTest's environment."""
import os
import pathlib


def _path(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set: run through ctest --preset windows or the demo")
    return pathlib.Path(value)


LAUNCHER = _path("QUENFOLD_LAUNCHER")
WINPROBE = _path("QUENFOLD_WINPROBE")
FIXTURES = _path("QUENFOLD_FIXTURES")
PACKAGE_X64 = _path("QUENFOLD_EMBEDDED_X64")
PACKAGE_X86 = _path("QUENFOLD_EMBEDDED_X86")
CACHE = _path("QUENFOLD_WINE_CACHE")
SOURCE = _path("QUENFOLD_SOURCE_DIR")

# Every Wine command gets a time limit: a hang fails the test, never the run.
COMMAND_SECONDS = 120
BOX_SECONDS = 30
