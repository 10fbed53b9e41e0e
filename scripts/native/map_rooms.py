#!/usr/bin/env python3
"""Prints the bytes of a release Keystead.exe by room, from two GNU ld map files.

Usage: map_rooms.py EXE RELEASE_MAP FUNCTIONS_MAP

RELEASE_MAP is the release link's own map: it names, for each input section, the object or
archive member it comes from, which sorts the runtime libraries apart. The program's own code
comes out of link-time optimisation as one object, so that map cannot tell its rooms apart;
FUNCTIONS_MAP is the same link with each function and variable in a section of its own, whose
names (demangled, keystead::<room>::...) say the room. That link pads each function's section
to its alignment, so its figures are scaled, output section by output section, to what the
program's code takes in the release link. Bytes the second map ties to no room (string
literals, unwind tables, exception tables) are counted as the program's, unnamed. Headers,
import tables, relocations and section padding are "other".
"""

import os
import re
import subprocess
import sys

ROOMS = ["app", "lockkeys", "settings", "registry", "tray", "toolkit", "display", "pause",
         "programs", "sound", "language", "product"]

# The first line of a section's contribution, or its second when the name took the first.
CONTRIBUTION = re.compile(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
NAME_ALONE = re.compile(r"^ (\S+)\s*$")
OUTPUT_SECTION = re.compile(r"^(\.[\w$.]+)\s")


def contributions(path):
    """Yields (output section, input section, bytes, file) for each input section laid out."""
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            if line.startswith("Linker script and memory map"):
                break
        output = None
        pending = None
        for line in lines:
            line = line.rstrip("\n")
            section = OUTPUT_SECTION.match(line)
            if section:
                output = section.group(1)
            alone = NAME_ALONE.match(line)
            if alone and not alone.group(1).startswith("*"):
                pending = alone.group(1)
                continue
            found = CONTRIBUTION.match(line)
            name = found and (found.group(1) or pending)
            pending = None
            # Discarded sections sit at address 0.
            if not found or not name or name.startswith("*") or int(found.group(2), 16) == 0:
                continue
            # Nor are debug sections in a stripped image, nor zeroed data (.bss) in any.
            if output is None or output.startswith((".debug", ".zdebug", ".stab", ".bss")):
                continue
            yield output, name, int(found.group(3), 16), found.group(4)


def runtime_group(file):
    """The runtime library an input file belongs to, 'program', or None (other)."""
    base = os.path.basename(file)
    archive = base.split("(", 1)[0]
    if "ltrans" in base:
        return "program"
    if archive in ("libstdc++.a", "libsupc++.a"):
        return "libstdc++"
    if archive in ("libgcc.a", "libgcc_eh.a", "crtbegin.o", "crtend.o"):
        return "libgcc"
    # libmsvcrt.a's libmsvcrt_defs members are import stubs (other); its lib32_/lib64_
    # members are glue code.
    if archive in ("libmingw32.a", "libmingwex.a", "libmoldname.a", "crt2.o") or (
            archive == "libmsvcrt.a" and "_defs" not in base):
        return "mingw crt"
    if re.search(r"\.rc\.(res|obj)\)?$", base):
        return "resources"
    return None


def lambda_owner(demangled):
    """The function a lambda is defined in: the name just before its first "::{lambda"."""
    text = demangled.split("::{lambda", 1)[0]
    depth = 0
    at = len(text)
    while at > 0:
        char = text[at - 1]
        if char in ")>":
            depth += 1
        elif char in "(<":
            if depth == 0:
                break
            depth -= 1
        elif char in ", " and depth == 0:
            break
        at -= 1
    return text[at:]


def room_of(demangled, raw):
    # A lambda (and the std::function made of it) is its enclosing function's.
    owner = lambda_owner(demangled) if "{lambda" in demangled else demangled
    found = re.search(r"keystead::(\w+)", owner)
    if found and found.group(1) in ROOMS:
        return found.group(1)
    if raw.startswith(("kProductName", "kDonationPage")) or re.search(r"\bkeystead::k", demangled):
        return "product"
    # Defined in app/win32: the program's entry and its replacements for the runtime's throws.
    if raw.startswith("WinMain") or "__throw_" in raw or "verbose_terminate" in raw:
        return "app"
    if demangled.startswith(("std::", "void std::", "__gnu_cxx::", "operator ")) or \
            " std::" in demangled:
        return "libstdc++"
    return None


def main():
    exe, release_map, functions_map = sys.argv[1:4]
    totals = {}
    release_program = {}  # by output section
    for output, _, size, file in contributions(release_map):
        group = runtime_group(file)
        if group == "program":
            release_program[output] = release_program.get(output, 0) + size
        elif group:
            totals[group] = totals.get(group, 0) + size
    program = sum(release_program.values())

    split_program = {}
    named = []
    for output, section, size, file in contributions(functions_map):
        if "ltrans" in file:
            split_program[output] = split_program.get(output, 0) + size
            if "$" in section:
                named.append((output, section.split("$", 1)[1], size))
    demangled = subprocess.run(["c++filt"], input="\n".join(raw for _, raw, _ in named),
                               capture_output=True, text=True, check=True).stdout.split("\n")
    rooms = dict.fromkeys(ROOMS, 0.0)
    templates = 0.0
    for (output, raw, size), name in zip(named, demangled):
        scaled = size * release_program.get(output, 0) / split_program[output]
        room = room_of(name, raw)
        if room == "libstdc++":
            templates += scaled
        elif room:
            rooms[room] += scaled
    rooms = {room: round(size) for room, size in rooms.items()}
    templates = round(templates)
    by_room = sum(rooms.values()) + templates

    file_bytes = os.path.getsize(exe)
    rows = [(room, rooms[room]) for room in ROOMS]
    rows += [
        ("program, in no room (literals, unwind and exception tables)", program - by_room),
        ("libstdc++ templates compiled into the program", templates),
        ("libstdc++ (runtime library)", totals.get("libstdc++", 0)),
        ("libgcc (unwinder, helpers)", totals.get("libgcc", 0)),
        ("mingw crt/msvcrt glue", totals.get("mingw crt", 0)),
        ("resources (icons, manifest, version)", totals.get("resources", 0)),
    ]
    rows.append(("other (headers, imports, relocations, padding)",
                 file_bytes - sum(size for _, size in rows)))
    for name, size in rows:
        print(f"  {name:<62} {size:7d}")


if __name__ == "__main__":
    main()
