"""python3 -m wine_harness.run_in_prefix NAME PROGRAM [ARGS...]

Runs a Windows program in a fresh copy of the run's base prefix and exits
with its exit code, printing its output."""
import sys

from . import prefix as prefixes


def main(name, program, *args):
    prefix = prefixes.scenario(name, prefixes.variant("bare"))
    try:
        done = prefix.run([program] + list(args), check=False)
        sys.stdout.write(done.stdout)
        sys.stderr.write(done.stderr[-4000:])
        return done.returncode
    finally:
        prefix.remove()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
