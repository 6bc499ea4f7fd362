"""The real executable's calls to Windows Installer, the kernel's file and
resource services, the shell and the message box, read from Wine's relay
trace: the same sequence the host tests assert on the stand-in."""
import unittest

import pefile

from wine_harness import relay, settings
from wine_harness.scenario import PACKAGE_NAME, POLISH_TEXT, LauncherScenario

FUNCTIONS = ["MsiLocateComponentA", "MsiEnumRelatedProductsA", "MsiEnumProductsA", "GetTempPathA", "DeleteFileA",
             "FindResourceA", "LoadResource", "SizeofResource", "LockResource", "CreateFileA", "WriteFile",
             "CloseHandle", "ShellExecuteA", "MessageBoxA"]
MARKERS_TO_32 = ["{ECCC8A38-7855-46CA-88FB-3BAA7CD95E56}", "{CC29EA4B-7BC2-11D1-A921-00A0C91E2AA2}",
                 "{3CE26368-6322-4ABF-B11B-458F5C450D0F}", "{0638C49D-BB8B-4CD1-B191-055E8F325736}"]
POLISH_32 = "{6A4C3761-03B9-4F19-8527-7D9BFDA725AB}"
PATH = "C:\\users\\root\\Temp\\" + PACKAGE_NAME


def quoted(text):
    return "null" if text is None else '"' + text.replace("\n", "\\n") + '"'


def describe(calls, image_base):
    """The calls in the words of the host tests' log."""
    names, lines = {}, []
    for call in calls:
        v, t = call.values, call.texts
        if call.function == "MsiLocateComponentA":
            line = f"MsiLocateComponentA({quoted(t[0])})"
        elif call.function == "MsiEnumRelatedProductsA":
            line = f"MsiEnumRelatedProductsA({quoted(t[0])}, {v[1]}, {v[2]})"
        elif call.function == "MsiEnumProductsA":
            line = f"MsiEnumProductsA({v[0]})"
        elif call.function == "GetTempPathA":
            line = f"GetTempPathA({v[0]})"
        elif call.function == "DeleteFileA":
            line = f"DeleteFileA({quoted(t[0])})"
        elif call.function == "FindResourceA":
            names["found"] = call.result
            module = "module" if v[0] == image_base else hex(v[0])
            line = f"FindResourceA({module}, #{v[1]}, {quoted(t[2])})"
        elif call.function == "LoadResource":
            names["loaded"] = call.result
            line = f"LoadResource({'module' if v[0] == image_base else hex(v[0])}, " \
                   f"{'found' if v[1] == names.get('found') else hex(v[1])})"
        elif call.function == "SizeofResource":
            names["size"] = call.result
            line = f"SizeofResource(module, {'found' if v[1] == names.get('found') else hex(v[1])}) -> {call.result}"
        elif call.function == "LockResource":
            names["bytes"] = call.result
            line = f"LockResource({'loaded' if v[0] == names.get('loaded') else hex(v[0])})"
        elif call.function == "CreateFileA":
            names["file"] = call.result
            line = f"CreateFileA({quoted(t[0])}, {hex(v[1])}, {hex(v[2])}, {v[3]}, {v[4]}, {hex(v[5])}, {v[6]})"
        elif call.function == "WriteFile":
            # The bytes go out straight from the locked resource, whole.
            data = "resource bytes" if v[1] == names.get("bytes") else hex(v[1])
            line = f"WriteFile({'file' if v[0] == names.get('file') else hex(v[0])}, {data}, {v[2]}, {v[4]})"
        elif call.function == "CloseHandle":
            line = f"CloseHandle({'file' if v[0] == names.get('file') else hex(v[0])})"
        elif call.function == "ShellExecuteA":
            line = f"ShellExecuteA({v[0]}, {quoted(t[1])}, {quoted(t[2])}, {quoted(t[3])}, {quoted(t[4])}, {v[5]})"
        else:
            line = f"MessageBoxA({v[0]}, {quoted(t[1])}, {quoted(t[2])}, {hex(v[3])})"
        lines.append(line)
    return lines


def extraction(size):
    return ["GetTempPathA(1023)", f'DeleteFileA("{PATH}")', 'FindResourceA(module, #129, "MSI")',
            "LoadResource(module, found)", f"SizeofResource(module, found) -> {size}", "LockResource(loaded)",
            f'CreateFileA("{PATH}", 0x40000000, 0x1, 0, 2, 0x80, 0)', f"WriteFile(file, resource bytes, {size}, 0)",
            "CloseHandle(file)"]


class RelayScenario(LauncherScenario):
    def traced_calls(self, **launch):
        relay.enable(self.prefix, FUNCTIONS)
        run = self.launch(env={"WINEDEBUG": "+relay"}, **launch)
        pe = pefile.PE(str(settings.LAUNCHER), fast_load=True)
        base, size = pe.OPTIONAL_HEADER.ImageBase, pe.OPTIONAL_HEADER.SizeOfImage
        return run, describe(relay.calls_from(run.trace, base, size), base)


class FreshAndReinstall(RelayScenario):
    machine = "outlook32"

    def test_fresh_install_then_reinstall(self):
        size = settings.PACKAGE_X86.stat().st_size
        probe = [f'MsiLocateComponentA("{code}")' for code in MARKERS_TO_32]
        _, fresh = self.traced_calls(expect_box=False)
        self.assertEqual(probe + [f'MsiEnumRelatedProductsA("{POLISH_32}", 0, 0)', "MsiEnumProductsA(0)",
                                  "MsiEnumProductsA(1)"] + extraction(size) +
                         [f'ShellExecuteA(0, "open", "{PATH}", "", "", 5)'], fresh)

        products = self.prefix.products()
        index = products.index("{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}")
        _, again = self.traced_calls(expect_box=False)
        self.assertEqual(probe + [f'MsiEnumRelatedProductsA("{POLISH_32}", 0, 0)'] +
                         [f"MsiEnumProductsA({i})" for i in range(index + 1)] + extraction(size) +
                         [f'ShellExecuteA(0, "open", "msiexec.exe", "/i \\"{PATH}\\" REINSTALL=ALL '
                          f'REINSTALLMODE=vomus", "", 5)'.replace('\\"', '"')], again)


class PolishRefusal(RelayScenario):
    machine = "outlook32-polish32"

    def test_only_the_polish_check_and_the_message(self):
        _, calls = self.traced_calls()
        self.assertEqual([f'MsiLocateComponentA("{code}")' for code in MARKERS_TO_32] +
                         [f'MsiEnumRelatedProductsA("{POLISH_32}", 0, 0)',
                          f'MessageBoxA(0, "{POLISH_TEXT}", "Q7QuenfoldSetupBootEN", 0x30)'], calls)


if __name__ == "__main__":
    unittest.main()
