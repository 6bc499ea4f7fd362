"""Points the harness at a windows build tree, for commands run outside CTest."""
import os
import pathlib

SOURCE = pathlib.Path(__file__).resolve().parents[2]


def use_build(build, cache_name):
    """Sets what CTest would set; call before importing the harness's settings."""
    build = pathlib.Path(build).resolve()
    os.environ.update(
        QUENFOLD_LAUNCHER=str(build / "Q7QuenfoldSetupBootEN.exe"),
        QUENFOLD_WINPROBE=str(build / "tools" / "winprobe.exe"),
        QUENFOLD_FIXTURES=str(build / "tests" / "e2e" / "fixtures"),
        QUENFOLD_EMBEDDED_X64=str(build / "res" / "packages" / "quenfold-dev-x64.msi"),
        QUENFOLD_EMBEDDED_X86=str(build / "res" / "packages" / "quenfold-dev-x86.msi"),
        QUENFOLD_WINE_CACHE=str(build / cache_name),
        QUENFOLD_SOURCE_DIR=str(SOURCE))
