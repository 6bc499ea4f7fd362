"""Configures or builds the launcher in a scratch tree, as a maker would."""
import os
import pathlib
import shutil
import subprocess
import tempfile

SOURCE = pathlib.Path(os.environ["QUENFOLD_SOURCE_DIR"])
TOOLCHAIN = SOURCE / "cmake" / "mingw-i686.cmake"


def cmake_configure(build_dir, source=SOURCE, **cache):
    args = ["cmake", "-S", str(source), "-B", str(build_dir), "-G", "Ninja", f"--toolchain={TOOLCHAIN}",
            "-DCMAKE_BUILD_TYPE=MinSizeRel", "-DBUILD_TESTING=OFF"]
    args += [f"-D{name}={value}" for name, value in cache.items()]
    return subprocess.run(args, capture_output=True, text=True, timeout=300)


def cmake_build(build_dir, target="Q7QuenfoldSetupBootEN"):
    return subprocess.run(["cmake", "--build", str(build_dir), "--target", target, "-j2"], capture_output=True,
                          text=True, timeout=600)


class ScratchTree:
    """A temporary folder, removed afterwards."""

    def __enter__(self):
        self.path = pathlib.Path(tempfile.mkdtemp(prefix="quenfold-build-"))
        return self.path

    def __exit__(self, *exc):
        shutil.rmtree(self.path, ignore_errors=True)
