"""Wine prefixes: one made per test run, cheap hard-linked copies per scenario."""
import contextlib
import fcntl
import os
import pathlib
import re
import shutil
import subprocess

from . import settings
from .display import ensure_display

_BASE = settings.CACHE / "base"
_VARIANTS = settings.CACHE / "variants"
_SCENARIOS = settings.CACHE / "scenarios"


class WineError(AssertionError):
    pass


def windows_path(unix_path):
    """The Z: drive path that Wine gives a Unix path."""
    return "Z:" + str(unix_path).replace("/", "\\")


@contextlib.contextmanager
def _cache_lock():
    settings.CACHE.mkdir(parents=True, exist_ok=True)
    with open(settings.CACHE / "lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        yield


class WinePrefix:
    def __init__(self, path):
        self.path = pathlib.Path(path)

    # Running programs -------------------------------------------------

    def env(self, extra=None):
        env = dict(os.environ)
        env.update(WINEPREFIX=str(self.path), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        env.update(extra or {})
        return env

    def run(self, args, timeout=settings.COMMAND_SECONDS, check=True, env=None):
        ensure_display()
        try:
            done = subprocess.run(["wine"] + [str(a) for a in args], env=self.env(env), capture_output=True,
                                  text=True, errors="replace", timeout=timeout)
        except subprocess.TimeoutExpired as expired:
            self.kill()
            raise WineError(f"wine {args} did not finish within {timeout} s; output: {expired.stdout!r}")
        if check and done.returncode != 0:
            raise WineError(f"wine {args} exited {done.returncode}: {done.stdout!r} {done.stderr[-2000:]!r}")
        return done

    def start(self, args, env=None, output=subprocess.PIPE):
        """Starts a program; its output goes to a pipe, or to the given file
        for a program whose trace could fill a pipe."""
        ensure_display()
        return subprocess.Popen(["wine"] + [str(a) for a in args], env=self.env(env), stdout=output,
                                stderr=subprocess.STDOUT if output is not subprocess.PIPE else subprocess.PIPE,
                                text=True, errors="replace")

    def wait_idle(self, timeout=settings.COMMAND_SECONDS):
        """Waits until every program of the prefix, installers included, has ended."""
        try:
            subprocess.run(["wineserver", "-w"], env=self.env(), timeout=timeout, check=False)
        except subprocess.TimeoutExpired:
            self.kill()
            raise WineError(f"programs in {self.path} still ran after {timeout} s")

    def kill(self):
        subprocess.run(["wineserver", "-k"], env=self.env(), timeout=30, check=False)

    # Windows Installer --------------------------------------------------

    def install(self, package, *properties):
        self.run(["msiexec", "/i", windows_path(package), "/qn"] + list(properties))

    def uninstall(self, package):
        self.run(["msiexec", "/x", windows_path(package), "/qn"])

    def probe(self, *args):
        return self.run([settings.WINPROBE] + list(args)).stdout

    def products(self):
        return self.probe("products").split()

    # Files and settings ---------------------------------------------------

    def unix_path(self, path):
        """The Unix path of a C: path."""
        assert path[:3].upper() == "C:\\", path
        return self.path / "drive_c" / path[3:].replace("\\", "/")

    @property
    def temp_dir(self):
        return self.unix_path(self._environment_value("TEMP"))

    def _user_reg(self):
        return (self.path / "user.reg").read_text(encoding="utf-8", errors="surrogateescape")

    def _environment_value(self, name):
        match = re.search(r'^\[Environment\].*?^"%s"="([^"]*)"' % name, self._user_reg(), re.M | re.S)
        return match.group(1).replace("\\\\", "\\")

    def set_temp(self, path):
        """Points TEMP and TMP at a C: path (or any Windows path); the prefix must be idle."""
        self.wait_idle()
        text = self._user_reg()
        escaped = path.replace("\\", "\\\\")
        for name in ("TEMP", "TMP"):
            text = re.sub(r'^"%s"=.*$' % name, lambda _: f'"{name}"="{escaped}"', text, flags=re.M)
        (self.path / "user.reg").write_text(text, encoding="utf-8", errors="surrogateescape")

    def add_user_values(self, key, values):
        """Sets string values under an HKEY_CURRENT_USER key; the prefix must be idle."""
        self.wait_idle()
        text = self._user_reg() + "\n[%s] 1700000000\n" % key.replace("\\", "\\\\")
        text += "".join('"%s"="%s"\n' % (name, value) for name, value in values.items())
        (self.path / "user.reg").write_text(text, encoding="utf-8", errors="surrogateescape")

    def clone(self, target):
        """A copy sharing the DLLs by hard links, with registry files of its own."""
        if target.exists():
            shutil.rmtree(target)
        target.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["cp", "-al", str(self.path), str(target)], check=True)
        for reg in target.glob("*.reg"):
            real = reg.with_suffix(".copy")
            shutil.copyfile(reg, real)
            os.replace(real, reg)
        return WinePrefix(target)

    def remove(self):
        self.kill()
        shutil.rmtree(self.path, ignore_errors=True)


def create_base():
    """Makes the run's base prefix afresh and forgets earlier variants."""
    with _cache_lock():
        for old in (_BASE, _VARIANTS, _SCENARIOS):
            shutil.rmtree(old, ignore_errors=True)
        base = WinePrefix(_BASE)
        base.run(["wineboot", "-i"], timeout=300)
        base.wait_idle(timeout=120)
        (_BASE / ".ready").touch()


def variant(name, packages=()):
    """A prefix with the given packages installed, made once per run."""
    with _cache_lock():
        path = _VARIANTS / name
        if not (path / ".ready").exists():
            if not (_BASE / ".ready").exists():
                raise WineError("the base prefix is missing: the e2e.prefix test makes it first")
            prefix = WinePrefix(_BASE).clone(path)
            for package in packages:
                prefix.install(package)
            prefix.wait_idle()
            (path / ".ready").touch()
        return WinePrefix(path)


def scenario(name, base_variant):
    """A fresh prefix for one scenario, copied from a variant."""
    return base_variant.clone(_SCENARIOS / name)
