"""Runs the launcher in a prefix and reads what it showed."""
import dataclasses
import json
import re
import shutil
import tempfile

from . import settings
from .prefix import WineError, windows_path


@dataclasses.dataclass
class LauncherRun:
    exit_code: int
    box: dict  # None when no message box was expected
    trace: str  # what Wine's debug channels printed for the launcher

    def shell_executions(self):
        """The launcher's ShellExecuteA calls as (owner, verb, file, parameters, directory, show),
        read from Wine's exec channel (run with WINEDEBUG=+exec)."""
        calls = []
        for line in self.trace.splitlines():
            match = _SHELL_EXECUTE.search(line)
            if match:
                owner, *texts, show = match.groups()
                calls.append((owner, *[_unescape(t) for t in texts], int(show)))
        return calls


_TEXT = r'"((?:[^"\\]|\\.)*)"'
_SHELL_EXECUTE = re.compile(r"trace:exec:ShellExecuteA (\w+),%s,%s,%s,%s,(\d+)" % (_TEXT, _TEXT, _TEXT, _TEXT))


def _unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)), text)


def install_launcher(prefix, name="Q7QuenfoldSetupBootEN.exe", folder="C:\\Downloads", source=None):
    """Copies the launcher into the prefix, as a user would download it."""
    target = prefix.unix_path(folder + "\\" + name)
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(source or settings.LAUNCHER, target)
    return folder + "\\" + name


def run_launcher(prefix, exe, args=(), expect_box=True, picture=None, env=None):
    """Starts the launcher; reads its message box if one is expected (and
    saves a BMP picture of it to the Unix path picture, if given) and
    presses OK; returns its exit code. A missing box or a launcher that
    does not end fails with what was seen."""
    # The trace goes to a file: a full pipe would stop the launcher, and the
    # installer it starts would keep a pipe open after the launcher ended.
    trace_file = tempfile.TemporaryFile("w+", errors="replace")
    launcher = prefix.start([exe] + list(args), env=env, output=trace_file)
    box = None
    try:
        if expect_box:
            probe_args = [settings.WINPROBE, "box", str(settings.BOX_SECONDS)]
            probe_args += ["--save", windows_path(picture)] if picture else []
            seen = prefix.run(probe_args, check=False, timeout=settings.BOX_SECONDS + 30)
            lines = seen.stdout.strip().splitlines()
            box = json.loads(lines[-1]) if lines else {"found": False}
            if not box.get("found"):
                launcher.kill()
                launcher.wait(timeout=30)
                trace_file.seek(0)
                raise WineError(f"no message box appeared within {settings.BOX_SECONDS} s; the launcher's "
                                f"output: {trace_file.read()[-1500:]!r}")
        launcher.wait(timeout=settings.COMMAND_SECONDS)
    except Exception:
        launcher.kill()
        prefix.kill()
        raise
    trace_file.seek(0)
    trace = trace_file.read()
    trace_file.close()
    return LauncherRun(exit_code=launcher.returncode, box=box, trace=trace)
