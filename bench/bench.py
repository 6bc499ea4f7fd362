#!/usr/bin/python3
"""Prints the launcher's figures beside baselines measured in the same run:
size outside the resources, start-to-exit time under Wine, memory and
writes while deploying."""
import os
import pathlib
import statistics
import subprocess
import sys
import time

import pefile

SOURCE = pathlib.Path(__file__).resolve().parents[1]
WINDOWS = SOURCE / "build" / "windows"
HOST = SOURCE / "build" / "host"
RUNS = 5

sys.path.insert(0, str(SOURCE / "tools"))

from wine_harness.build_env import use_build  # noqa: E402

use_build(WINDOWS, "bench-wine")

from wine_harness import prefix as prefixes  # noqa: E402
from wine_harness import settings  # noqa: E402
from wine_harness.launcher import install_launcher  # noqa: E402
from wine_harness.scenario import machine_prefix  # noqa: E402


def outside_resources(exe):
    pe = pefile.PE(str(exe), fast_load=True)
    return pe.OPTIONAL_HEADER.SizeOfHeaders + sum(
        s.SizeOfRawData for s in pe.sections if s.Name.rstrip(b"\0") != b".rsrc")


def timed(prefix, exe):
    """Seconds from start to exit of one program; its children not waited for."""
    with open(os.devnull, "w") as sink:
        started = time.monotonic()
        prefix.start([exe], output=sink).wait(timeout=settings.COMMAND_SECONDS)
        return time.monotonic() - started


def wine_times():
    prefixes.create_base()
    machine = machine_prefix("outlook32")
    empty_times, launcher_times = [], []
    for run in range(RUNS):
        prefix = prefixes.scenario(f"bench{run}", machine)
        exe = install_launcher(prefix)
        empty = install_launcher(prefix, name="empty.exe", source=WINDOWS / "bench" / "bench_empty_gui.exe")
        timed(prefix, empty)  # the prefix's server and desktop are up before timing
        empty_times.append(timed(prefix, empty))
        launcher_times.append(timed(prefix, exe))
        prefix.wait_idle()
        if not (prefix.temp_dir / "QuenfoldSetup.msi").exists():
            raise SystemExit("the launcher did not take the fresh-installation path")
        prefix.remove()
    return statistics.median(empty_times), statistics.median(launcher_times)


def main():
    launcher = outside_resources(WINDOWS / "Q7QuenfoldSetupBootEN.exe")
    empty = outside_resources(WINDOWS / "bench" / "bench_empty_gui.exe")
    print("| figure | launcher | baseline | ratio |")
    print("|---|---|---|---|")
    print(f"| bytes outside the resource section | {launcher} | {empty} (empty GUI program) | {launcher / empty:.2f} |")
    empty_time, launcher_time = wine_times()
    print(f"| start to exit under Wine, fresh installation, median of {RUNS} | {launcher_time * 1000:.0f} ms | "
          f"{empty_time * 1000:.0f} ms (empty GUI program) | {launcher_time / empty_time:.2f} |")
    print()
    print("Deploying on the host build (baseline: the package size):")
    sys.stdout.flush()
    subprocess.run([str(HOST / "bench" / "bench_deploy")], check=True)


if __name__ == "__main__":
    main()
