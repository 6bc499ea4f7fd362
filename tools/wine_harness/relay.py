"""The Windows calls an executable's own code makes, read from Wine's relay
trace (WINEDEBUG=+relay with a RelayInclude list)."""
import dataclasses
import re

_CALL = re.compile(r"^(\w+):Call (\w+)\.(\w+)\((.*)\) ret=([0-9a-f]+)$")
_RET = re.compile(r"^(\w+):Ret  (\w+)\.(\w+)\(\) retval=([0-9a-f]+) ret=([0-9a-f]+)$")
_ARGUMENT = re.compile(r'\s*([0-9a-f]+)(?: (?:L)?"((?:[^"\\]|\\.)*)")?\s*(?:,|$)')


@dataclasses.dataclass
class Call:
    function: str
    values: list  # each argument as an integer
    texts: list  # each argument's text where the trace shows one, else None
    result: int = None


def enable(prefix, functions):
    """Limits relay tracing to the given functions; the prefix must be idle."""
    prefix.add_user_values("Software\\Wine\\Debug", {"RelayInclude": ";".join(functions)})


def _unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)), text)


def calls_from(trace, image_base, image_size):
    """The calls whose return address lies in the image, in order, with their results."""
    calls, open_calls = [], {}
    inside = lambda address: image_base <= int(address, 16) < image_base + image_size  # noqa: E731
    for line in trace.splitlines():
        match = _CALL.match(line)
        if match and inside(match.group(5)):
            thread, _, function, arguments, _ = match.groups()
            values, texts = [], []
            for argument in _ARGUMENT.finditer(arguments):
                if argument.group(0).strip():
                    values.append(int(argument.group(1), 16))
                    texts.append(_unescape(argument.group(2)) if argument.group(2) is not None else None)
            call = Call(function, values, texts)
            calls.append(call)
            open_calls[(thread, function)] = call
            continue
        match = _RET.match(line)
        if match and inside(match.group(5)):
            call = open_calls.pop((match.group(1), match.group(3)), None)
            if call is not None:
                call.result = int(match.group(4), 16)
    return calls
