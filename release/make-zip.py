#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on its files' contents and the release's time: the
entries in the order given, each dated SOURCE_DATE_EPOCH (UTC), with the same attributes
whatever the build machine's umask, clock or time zone.

Usage: make-zip.py OUT.zip FOLDER NAME... (each NAME a file in FOLDER, stored as NAME)"""
import os
import subprocess
import sys
import time
import zipfile

# Zip dates start in 1980.
EARLIEST = (1980, 1, 1, 0, 0, 0)


def main():
    out, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts",
                          "source-date-epoch.sh")
    epoch = int(subprocess.run([script], check=True, capture_output=True, text=True).stdout)
    date = max(EARLIEST, time.gmtime(epoch)[:6])
    partial = out + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=date)
            entry.create_system = 0  # MS-DOS: attributes carry no Unix mode
            entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Windows writes it
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as file:
                archive.writestr(entry, file.read(), compresslevel=9)
    os.replace(partial, out)


if __name__ == "__main__":
    main()
