#!/usr/bin/env python3
"""Checks that both programs and both packages in dist/ say the version of project(VERSION):
each program's version resource (numbers and texts) and manifest, and each package's
ProductVersion, its registry value "Version", its summary, and the program inside it (the
very program in dist/). Also that each file is built for its architecture. Exits 77 (skipped)
without the 32-bit files.

Usage: check_versions.py DIST VERSION"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

MACHINES = {"x86": 0x14C, "x64": 0x8664}
TEMPLATES = {"x86": "Intel;1033", "x64": "x64;1033"}
RT_VERSION, RT_MANIFEST = 16, 24
failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: {got!r}, expected {wanted!r}")


def resources(image):
    """The machine and {type: first resource's bytes} of a PE file."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    machine, sections, _, _, _, optional_size = struct.unpack_from("<HHIIIH", image, pe + 4)
    optional = pe + 24
    # The resource table is data directory 2, after 96 (PE32) or 112 (PE32+) bytes.
    directories = optional + (112 if struct.unpack_from("<H", image, optional)[0] == 0x20B else 96)
    root_rva = struct.unpack_from("<I", image, directories + 2 * 8)[0]
    table = optional + optional_size
    spans = [struct.unpack_from("<IIII", image, table + 40 * i + 8) for i in range(sections)]

    def offset(rva):
        for size, address, _, raw in spans:
            if address <= rva < address + size:
                return rva - address + raw
        raise ValueError(f"RVA {rva:#x} in no section")

    root = offset(root_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", image, directory + 12)
        for i in range(named + numbered):
            yield struct.unpack_from("<II", image, directory + 16 + 8 * i)

    def first_leaf(entry):
        while entry & 0x80000000:
            entry = next(entries(root + (entry & 0x7FFFFFFF)))[1]
        rva, size = struct.unpack_from("<II", image, root + entry)
        return image[offset(rva):offset(rva) + size]

    return machine, {kind: first_leaf(entry) for kind, entry in entries(root)}


def program_versions(path, arch, version):
    with open(path, "rb") as file:
        machine, found = resources(file.read())
    expect(f"{path} machine", machine, MACHINES[arch])
    info = found.get(RT_VERSION, b"")
    fixed = info.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        failures.append(f"{path} has no version resource")
        return
    numbers = tuple(int(part) for part in version.split(".")) + (0,)
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", info, fixed + 8)
    for field, high, low in (("FileVersion", file_ms, file_ls),
                             ("ProductVersion", product_ms, product_ls)):
        expect(f"{path} {field} numbers", (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF),
               numbers)
        # A String block: its key, padding to 4 bytes, then the value, all UTF-16.
        text = re.search(field.encode("utf-16-le") + rb"\0\0(?:\0\0)?((?:[^\0].|\0[^\0])*)\0\0",
                         info, re.DOTALL)
        expect(f"{path} {field} text", text and text.group(1).decode("utf-16-le"), version)
    manifest = found.get(RT_MANIFEST)
    if manifest is None:
        failures.append(f"{path} has no manifest")
        return
    identity = ElementTree.fromstring(manifest).find(
        "{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
    expect(f"{path} manifest version", identity.get("version"), version + ".0")


def table(msi, name):
    text = subprocess.run(["msiinfo", "export", msi, name], check=True, capture_output=True,
                          text=True).stdout
    return [line.rstrip("\r").split("\t") for line in text.splitlines()[3:]]


def package_versions(msi, arch, version, program):
    properties = dict(row[:2] for row in table(msi, "Property"))
    expect(f"{msi} ProductVersion", properties.get("ProductVersion"), version)
    registry = {row[3]: row[4] for row in table(msi, "Registry") if len(row) > 4}
    expect(f"{msi} registry value Version", registry.get("Version"), version)
    summary = subprocess.run(["msiinfo", "suminfo", msi], check=True, capture_output=True,
                             text=True).stdout
    fields = dict(line.split(": ", 1) for line in summary.splitlines() if ": " in line)
    expect(f"{msi} summary Subject", fields.get("Subject"), f"Tarvine Keystead {version}")
    expect(f"{msi} summary Template", fields.get("Template"), TEMPLATES[arch])
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["msiextract", "-C", folder, msi], check=True, capture_output=True)
        inside = next(os.path.join(path, "Keystead.exe") for path, _, names in os.walk(folder)
                      if "Keystead.exe" in names)
        with open(inside, "rb") as packed, open(program, "rb") as loose:
            if packed.read() != loose.read():
                failures.append(f"{msi} holds another Keystead.exe than {program}")
        program_versions(inside, arch, version)


def main():
    dist, version = sys.argv[1], sys.argv[2]
    if not os.path.isfile(os.path.join(dist, "x86", "Keystead.exe")):
        print(f"SKIPPED: no 32-bit release files in {dist} (build the release-x86 preset first)")
        sys.exit(77)
    for arch in ("x86", "x64"):
        program = os.path.join(dist, arch, "Keystead.exe")
        program_versions(program, arch, version)
        package_versions(os.path.join(dist, f"Keystead-{version}-{arch}.msi"), arch, version,
                         program)
    for failure in failures:
        print("FAILED:", failure, file=sys.stderr)
    if not failures:
        print(f"both programs and both packages say {version}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
