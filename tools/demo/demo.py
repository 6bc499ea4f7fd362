#!/usr/bin/python3
"""Shows the launcher's whole job under Wine: a machine with a 32-bit
Outlook registered, the launcher run on it, the package it wrote and the
product that Windows Installer then installed."""
import pathlib
import sys

build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/windows").resolve()
source = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(source / "tools"))

from wine_harness.build_env import use_build  # noqa: E402

use_build(build, "demo-wine")

from wine_harness import prefix as prefixes  # noqa: E402
from wine_harness import settings  # noqa: E402
from wine_harness.launcher import install_launcher, run_launcher  # noqa: E402

PRODUCT_X86 = "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}"


def main():
    print("Making a Wine prefix (the first time takes a while)...")
    prefixes.create_base()
    machine = prefixes.variant("outlook32", [settings.FIXTURES / "outlook32.msi"])
    prefix = prefixes.scenario("demo", machine)
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
