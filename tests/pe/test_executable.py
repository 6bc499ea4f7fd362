"""Reads the finished executable and checks its headers, imports and the
whole resource table against what the launcher must carry."""
import os
import pathlib
import struct
import unittest

import pefile

EXE = pathlib.Path(os.environ["QUENFOLD_LAUNCHER"])
SOURCE = pathlib.Path(os.environ["QUENFOLD_SOURCE_DIR"])
PACKAGE_X64 = pathlib.Path(os.environ["QUENFOLD_EMBEDDED_X64"])
PACKAGE_X86 = pathlib.Path(os.environ["QUENFOLD_EMBEDDED_X86"])

POLISH, ENGLISH = 1045, 1033
RT_ICON, RT_STRING, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 6, 14, 16, 24

NOT_FOUND = ("Microsoft Outlook not detected. This application requires Microsoft Outlook 2000, XP, 2003, 2007 or 2010 "
             "for proper operation.\n\nInstall Microsoft Outlook and retry.")
TRIAL = ("The Installer detected Microsoft Outlook Trial version. This application requires Microsoft Outlook 2000, "
         "XP, 2003, 2007 or 2010 full version for proper operation.\n\nInstall Microsoft Outlook full version and "
         "retry.")
MANIFEST = (
    '<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">'
    '<trustInfo xmlns="urn:schemas-microsoft-com:asm.v3"><security><requestedPrivileges>'
    '<requestedExecutionLevel level="requireAdministrator" uiAccess="false"></requestedExecutionLevel>'
    '</requestedPrivileges></security></trustInfo>'
    '<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1"><application>'
    '<supportedOS Id="{e2011457-1546-43c5-a5fe-008deee3d3f0}"></supportedOS>'
    '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"></supportedOS>'
    '</application></compatibility></assembly>')
TAG = "<Q7><CampaignID>1191</CampaignID><Referrer></Referrer><InputSite>Exe</InputSite></Q7>"
KNOWN_SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "shell32.dll", "advapi32.dll", "msvcrt.dll"}


def resource_table(pe):
    """{type: {id: [(language, data)]}} with named types as strings."""
    table = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        type_key = str(kind.name) if kind.name is not None else kind.id
        for entry in kind.directory.entries:
            name_key = str(entry.name) if entry.name is not None else entry.id
            for language in entry.directory.entries:
                rva, size = language.data.struct.OffsetToData, language.data.struct.Size
                data = pe.get_data(rva, size)
                table.setdefault(type_key, {}).setdefault(name_key, []).append((language.id, data))
    return table


class Executable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(str(EXE))
        cls.resources = resource_table(cls.pe)

    def single(self, kind, ident, language):
        entries = self.resources[kind][ident]
        self.assertEqual([language], [lang for lang, _ in entries], f"languages of {kind}/{ident}")
        return entries[0][1]

    def test_headers_32_bit_gui_without_time_stamp(self):
        self.assertEqual(0x14C, self.pe.FILE_HEADER.Machine)
        self.assertEqual(0x10B, self.pe.OPTIONAL_HEADER.Magic, "PE32, not PE32+")
        self.assertEqual(2, self.pe.OPTIONAL_HEADER.Subsystem, "Windows GUI")
        self.assertEqual(0, self.pe.FILE_HEADER.TimeDateStamp)

    def test_imports_only_known_system_dlls(self):
        imported = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertLessEqual(imported, KNOWN_SYSTEM_DLLS)
        self.assertNotIn("msi.dll", imported)
        self.assertFalse(hasattr(self.pe, "DIRECTORY_ENTRY_DELAY_IMPORT"))
        names = {imp.name.decode() for entry in self.pe.DIRECTORY_ENTRY_IMPORT for imp in entry.imports if imp.name}
        self.assertTrue({"LoadLibraryExA", "GetProcAddress", "GetSystemDirectoryA"} <= names)
        self.assertFalse(any(name.startswith("Msi") for name in names))

    def test_resource_set_is_exactly_the_listed_one(self):
        shape = {kind: {ident: [lang for lang, _ in entries] for ident, entries in ids.items()}
                 for kind, ids in self.resources.items()}
        self.assertEqual({
            "MSI": {128: [POLISH], 129: [POLISH]},
            RT_STRING: {135 // 16 + 1: [POLISH]},
            RT_MANIFEST: {1: [ENGLISH]},
            RT_VERSION: {1: [POLISH]},
            RT_GROUP_ICON: {130: [POLISH]},
            RT_ICON: {i: [POLISH] for i in range(1, 9)},
            "Q7R": {10: [ENGLISH]},
        }, shape)

    def test_packages_are_the_given_files_byte_for_byte(self):
        self.assertEqual(PACKAGE_X64.read_bytes(), self.single("MSI", 128, POLISH))
        self.assertEqual(PACKAGE_X86.read_bytes(), self.single("MSI", 129, POLISH))

    def test_strings_135_and_138_only(self):
        block = self.single(RT_STRING, 9, POLISH)
        strings, offset = [], 0
        for _ in range(16):
            (length,) = struct.unpack_from("<H", block, offset)
            strings.append(block[offset + 2:offset + 2 + 2 * length].decode("utf-16-le"))
            offset += 2 + 2 * length
        expected = [""] * 16
        expected[135 - 128], expected[138 - 128] = NOT_FOUND, TRIAL
        self.assertEqual(expected, strings)
        self.assertNotIn("\r", strings[7] + strings[10])

    def test_manifest_is_the_exact_ascii_xml(self):
        data = self.single(RT_MANIFEST, 1, ENGLISH)
        self.assertEqual(data, (SOURCE / "res" / "launcher.manifest").read_bytes())
        data.decode("ascii")
        self.assertFalse(data.startswith(b"\xef\xbb\xbf") or data.lstrip().startswith(b"<?xml"))
        self.assertEqual(MANIFEST, "".join(line.strip() for line in data.decode().splitlines()))

    def test_version_block(self):
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((0x00010002, 0x00040007), (fixed.FileVersionMS, fixed.FileVersionLS))
        self.assertEqual((0x00010002, 0x00040007), (fixed.ProductVersionMS, fixed.ProductVersionLS))
        self.assertEqual((0x3F, 0, 0x4, 1, 0, 0, 0),
                         (fixed.FileFlagsMask, fixed.FileFlags, fixed.FileOS, fixed.FileType, fixed.FileSubtype,
                          fixed.FileDateMS, fixed.FileDateLS))
        tables = [table for info in self.pe.FileInfo[0] if info.Key == b"StringFileInfo" for table in info.StringTable]
        self.assertEqual([b"040904e4"], [table.LangID for table in tables])
        values = [(k.decode(), v.decode()) for k, v in tables[0].entries.items()]
        self.assertEqual(["CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                          "OriginalFilename", "ProductName", "ProductVersion"], [k for k, _ in values])
        values = dict(values)
        self.assertTrue(values["CompanyName"].startswith("Brellix ") and len(values["CompanyName"]) > 8)
        self.assertEqual({"FileDescription": "Brellix Quenfold Setup", "FileVersion": "1,2,4,7",
                          "InternalName": "Q7QuenfoldSetupBootEN.exe", "OriginalFilename": "Q7QuenfoldSetupBootEN.exe",
                          "ProductName": "Brellix Quenfold", "ProductVersion": "1,2,4,7"},
                         {k: v for k, v in values.items() if k not in ("CompanyName", "LegalCopyright")})
        self.assertTrue(values["LegalCopyright"])
        translations = [var.entry for info in self.pe.FileInfo[0] if info.Key == b"VarFileInfo" for var in info.Var]
        self.assertEqual([{b"Translation": "0x0409 0x04e4"}], translations)

    def test_icon_directory_eight_32_bit_images_256_as_png(self):
        group = self.single(RT_GROUP_ICON, 130, POLISH)
        reserved, kind, count = struct.unpack_from("<HHH", group)
        self.assertEqual((0, 1, 8), (reserved, kind, count))
        for index, size in enumerate((16, 22, 24, 32, 48, 64, 128, 256)):
            width, height, colours, _, planes, bits, length, ident = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index)
            edge = 0 if size == 256 else size
            self.assertEqual((edge, edge, 0, 1, 32, index + 1), (width, height, colours, planes, bits, ident))
            image = self.single(RT_ICON, ident, POLISH)
            self.assertEqual(length, len(image))
            if size == 256:
                self.assertEqual(b"\x89PNG\r\n\x1a\n", image[:8])
                png_width, png_height, depth, colour_type = struct.unpack_from(">IIBB", image, 16)
                self.assertEqual((256, 256, 8, 6), (png_width, png_height, depth, colour_type))
            else:
                header_size, dib_width, dib_height, dib_planes, dib_bits = struct.unpack_from("<IiiHH", image)
                self.assertEqual((40, size, 2 * size, 1, 32), (header_size, dib_width, dib_height, dib_planes, dib_bits))
                mask_stride = ((size + 31) // 32) * 4
                self.assertEqual(40 + size * size * 4 + mask_stride * size, len(image))

    def test_campaign_tag_is_170_bytes_of_utf16le(self):
        data = self.single("Q7R", 10, ENGLISH)
        self.assertEqual(170, len(data))
        self.assertEqual(b"<\x00", data[:2])
        self.assertEqual(TAG.encode("utf-16-le"), data)

    def test_code_stays_lean(self):
        outside = sum(section.SizeOfRawData for section in self.pe.sections if section.Name.rstrip(b"\0") != b".rsrc")
        outside += self.pe.OPTIONAL_HEADER.SizeOfHeaders
        self.assertLessEqual(outside, 32 * 1024)


if __name__ == "__main__":
    unittest.main()
