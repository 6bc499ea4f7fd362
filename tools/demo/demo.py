#!/usr/bin/python3
"""Shows the launcher's whole job under Wine: a machine with a 32-bit
Outlook registered, the launcher run on it, the package it wrote and the
product that Windows Installer then installed.

With --screenshots DIR it also saves PNG pictures of the launcher's
message boxes, each from a machine that makes the launcher show it."""
import argparse
import pathlib
import subprocess
import sys

options = argparse.ArgumentParser(description=__doc__.splitlines()[0])
options.add_argument("build", nargs="?", default="build/windows", type=pathlib.Path)
options.add_argument("--screenshots", metavar="DIR", type=pathlib.Path)
arguments = options.parse_args()
source = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(source / "tools"))

from wine_harness.build_env import use_build  # noqa: E402

use_build(arguments.build, "demo-wine")

from wine_harness import prefix as prefixes  # noqa: E402
from wine_harness import settings  # noqa: E402
from wine_harness.launcher import install_launcher, run_launcher  # noqa: E402
from wine_harness.scenario import machine_prefix  # noqa: E402

PRODUCT_X86 = "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}"


# Each picture: its file name, the machine that makes the launcher show it
# and the temporary folder the user has.
PICTURES = [
    ("missing-outlook", "bare", None),
    ("trial-outlook", "outlook-trial", None),
    ("polish-edition", "outlook32-polish32", None),
    ("package-not-written", "outlook32", "C:\\no such folder"),
]


def save_pictures(folder):
    folder.mkdir(parents=True, exist_ok=True)
    for name, machine, temp in PICTURES:
        prefix = prefixes.scenario("picture-" + name, machine_prefix(machine))
        if temp:
            prefix.set_temp(temp)
        # Xvfb has no window manager: Wine draws the frame and caption itself.
        prefix.add_user_values("Software\\Wine\\X11 Driver", {"Decorated": "N", "Managed": "N"})
        bitmap, png = prefix.path / (name + ".bmp"), folder / (name + ".png")
        png.unlink(missing_ok=True)
        run = run_launcher(prefix, install_launcher(prefix), picture=bitmap)
        if bitmap.exists():
            # -strip keeps the file free of dates, so an unchanged box gives an unchanged file.
            subprocess.run(["convert", str(bitmap), "-strip", str(png)], check=True)
        prefix.remove()
        if not png.exists():
            raise SystemExit(f"no picture of the box was saved for {name}")
        print(f"Saved {png} ({png.stat().st_size} bytes): {run.box['text'].splitlines()[0]}")


def main():
    print("Making a Wine prefix (the first time takes a while)...")
    prefixes.create_base()
    if arguments.screenshots:
        save_pictures(arguments.screenshots.resolve())
    prefix = prefixes.scenario("demo", machine_prefix("outlook32"))
    print("Registered with Windows Installer: a 32-bit Outlook (component "
          "{0638C49D-BB8B-4CD1-B191-055E8F325736}).")
    print("Installed products before:", prefix.products() or "none")

    exe = install_launcher(prefix)
    print(f"Running {exe} ...")
    run = run_launcher(prefix, exe, expect_box=False)
    print("Launcher exit code:", run.exit_code)
    prefix.wait_idle()

    package = prefix.temp_dir / "QuenfoldSetup.msi"
    identical = package.exists() and package.read_bytes() == settings.PACKAGE_X86.read_bytes()
    print(f"Package written: {package} ({package.stat().st_size if package.exists() else 0} bytes, "
          f"{'identical to' if identical else 'DIFFERENT from'} the 32-bit package)")
    products = prefix.products()
    print("Installed products after:", products)
    installed = PRODUCT_X86 in products
    print("Brellix Quenfold (32-bit) is installed." if installed else "Brellix Quenfold was NOT installed.")
    prefix.remove()
    return 0 if installed and identical and run.exit_code == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
