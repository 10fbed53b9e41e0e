#!/usr/bin/env python3
"""Writes the winget manifests of one release from the templates beside this script: the
version, the download location, and from the files in dist/ the SHA-256 of each installer
and the ProductCode of each Windows Installer package (read with msiinfo, from msitools).

Usage: make-manifests.py --version 1.2.3 --dist DIST --out FOLDER [--base-url URL]
Each installer's file in DIST is the last part of its InstallerUrl."""
import argparse
import glob
import hashlib
import os
import subprocess
import sys

import yaml

HERE = os.path.dirname(os.path.abspath(__file__))
# The version, the installers, the default locale and every other locale: a new language's
# manifest needs no change here.
TEMPLATES = sorted(os.path.basename(path)
                   for path in glob.glob(os.path.join(HERE, "Tarvine.Keystead*.yaml")))
# Where the project publishes its releases, one folder per version.
BASE_URL = "https://downloads.tarvine.example/keystead"


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 16), b""):
            digest.update(block)
    return digest.hexdigest().upper()


def product_code(msi):
    table = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                           capture_output=True, text=True).stdout
    for line in table.splitlines():
        name, _, value = line.rstrip("\r").partition("\t")
        if name == "ProductCode":
            return value
    sys.exit(f"{msi} has no ProductCode")


def fill_installers(manifest, dist):
    for installer in manifest["Installers"]:
        path = os.path.join(dist, installer["InstallerUrl"].rsplit("/", 1)[1])
        if not os.path.isfile(path):
            sys.exit(f"{path} is missing: build both release presets first")
        installer["InstallerSha256"] = sha256(path)
        if "ProductCode" in installer:
            installer["ProductCode"] = product_code(path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--base-url", default=BASE_URL)
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    for name in TEMPLATES:
        with open(os.path.join(HERE, name), encoding="utf-8") as file:
            text = file.read()
        text = text.replace("@VERSION@", args.version).replace("@BASEURL@", args.base_url)
        manifest = yaml.safe_load(text)
        if manifest["ManifestType"] == "installer":
            fill_installers(manifest, args.dist)
        with open(os.path.join(args.out, name), "w", encoding="utf-8") as file:
            file.write("# Made by make-manifests.py from the release files; do not edit.\n")
            yaml.safe_dump(manifest, file, sort_keys=False, allow_unicode=True, width=100)
    print(f"winget manifests of {args.version} in {args.out}")


if __name__ == "__main__":
    main()
