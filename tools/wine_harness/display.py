"""One Xvfb server for a test process."""
import atexit
import os
import subprocess

_server = None


def ensure_display():
    """Starts Xvfb once and points DISPLAY at it."""
    global _server
    if _server is not None:
        return
    read_end, write_end = os.pipe()
    _server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        raise RuntimeError("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number
    atexit.register(_server.terminate)
