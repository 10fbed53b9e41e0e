#!/usr/bin/env python3
"""Checks winget manifests of one release: each file against its JSON schema, the files against
each other (one locale manifest for each language the program speaks besides the default),
the rules the winget client keeps that the schemas cannot say (a portable installer has no
Scope; ProductCode only on msi, wix, burn and exe installers), and that every
installer is a file of the release: its URL in the project's download folder of that version,
its SHA-256 that of the file in dist/, and an .msi's ProductCode the one its build chose.

Usage: check_winget_manifests.py MANIFESTS SCHEMAS DIST BASE_URL VERSION [ARCH=PRODUCTCODE...]"""
import glob
import hashlib
import json
import os
import sys

import jsonschema
import yaml

PRODUCT_CODE_TYPES = {"msi", "wix", "burn", "exe"}
SCHEMA_FILES = {"version": "manifest.version.1.10.0.json",
                "installer": "manifest.installer.1.10.0.json",
                "defaultLocale": "manifest.defaultLocale.1.10.0.json",
                "locale": "manifest.locale.1.10.0.json"}
# The languages the program speaks besides English, as Windows names their locales.
LOCALES = {"de-DE", "fr-FR", "es-ES", "it-IT", "pt-BR", "nl-NL", "pl-PL", "ru-RU", "ja-JP",
           "zh-CN"}

errors = []


def fail(message):
    errors.append(message)


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest().upper()


def check_installer(index, installer, root, dist, base_url, version, product_codes):
    def effective(key):
        return installer.get(key, root.get(key))

    where = f"installer {index} ({installer.get('Architecture')} {effective('InstallerType')})"
    installer_type = effective("InstallerType")
    portable = installer_type == "portable" or (
        installer_type == "zip" and effective("NestedInstallerType") == "portable")
    if portable and effective("Scope") is not None:
        fail(f"{where}: a portable installer has no Scope")
    if effective("ProductCode") is not None and installer_type not in PRODUCT_CODE_TYPES:
        fail(f"{where}: ProductCode only on msi, wix, burn or exe installers")
    if installer_type == "zip":
        if effective("NestedInstallerType") is None:
            fail(f"{where}: a zip needs NestedInstallerType")
        if portable and not effective("NestedInstallerFiles"):
            fail(f"{where}: a portable zip names its NestedInstallerFiles")

    url = installer["InstallerUrl"]
    folder = f"{base_url}/{version}/"
    if not url.startswith(folder) or "/" in url[len(folder):]:
        fail(f"{where}: {url} is not a file of the release folder {folder}")
        return
    path = os.path.join(dist, url[len(folder):])
    if not os.path.isfile(path):
        fail(f"{where}: {path} is not a file of the release")
    elif installer["InstallerSha256"] != sha256(path):
        fail(f"{where}: InstallerSha256 is not that of {path}")
    if installer_type == "msi":
        expected = product_codes.get(installer["Architecture"])
        if installer.get("ProductCode") != expected:
            fail(f"{where}: ProductCode {installer.get('ProductCode')}, the build chose {expected}")


def main():
    manifests, schemas, dist, base_url, version = sys.argv[1:6]
    product_codes = dict(arg.split("=", 1) for arg in sys.argv[6:])

    documents = {}
    locales = {}
    for path in sorted(glob.glob(os.path.join(manifests, "*.yaml"))):
        with open(path, encoding="utf-8") as file:
            document = yaml.safe_load(file)
        kind = document.get("ManifestType")
        if kind not in SCHEMA_FILES or kind in documents:
            fail(f"{path}: ManifestType {kind} unknown or twice")
            continue
        with open(os.path.join(schemas, SCHEMA_FILES[kind]), encoding="utf-8") as file:
            schema = json.load(file)
        validator = jsonschema.Draft7Validator(schema)
        for error in validator.iter_errors(document):
            fail(f"{path}: {'/'.join(map(str, error.path))}: {error.message}")
        # The schemas let any other field through, such as a Moniker, which belongs to the
        # default locale alone: each manifest keeps to the fields of its own type.
        for field in sorted(set(document) - set(schema["properties"])):
            fail(f"{path}: {field} is no field of a {kind} manifest")
        if "@" in json.dumps(document):
            fail(f"{path}: a placeholder was left unfilled")
        if kind != "locale":
            documents[kind] = document
            continue
        locale = document.get("PackageLocale")
        if not os.path.basename(path).endswith(f".locale.{locale}.yaml") or locale in locales:
            fail(f"{path}: PackageLocale {locale} twice or not the one its name says")
        locales[locale] = document
    for kind in set(SCHEMA_FILES) - {"locale"}:
        if kind not in documents:
            fail(f"no {kind} manifest in {manifests}")
    if set(locales) != LOCALES:
        fail(f"locale manifests for {sorted(locales)}, expected {sorted(LOCALES)}")
    if errors:
        return report()

    default_name = documents["defaultLocale"]["PackageName"]
    for locale, document in locales.items():
        if document.get("PackageName", default_name) != default_name:
            fail(f"{locale} manifest: PackageName {document['PackageName']}, the product's "
                 f"name is {default_name} in every language")
    for kind, document in list(documents.items()) + list(locales.items()):
        if (document["PackageIdentifier"], document["PackageVersion"]) != ("Tarvine.Keystead",
                                                                             version):
            fail(f"{kind} manifest: not Tarvine.Keystead {version}")
        if document["ManifestVersion"] != "1.10.0":
            fail(f"{kind} manifest: ManifestVersion {document['ManifestVersion']}")
    if documents["version"]["DefaultLocale"] != documents["defaultLocale"]["PackageLocale"]:
        fail("the default locale of the version manifest has no locale manifest")

    installer = documents["installer"]
    seen = set()
    for index, entry in enumerate(installer["Installers"]):
        check_installer(index, entry, installer, dist, base_url, version, product_codes)
        key = (entry.get("Architecture"), entry.get("InstallerType"), entry.get("Scope"))
        if key in seen:
            fail(f"installer {index}: a second installer for {key}")
        seen.add(key)
    msi_architectures = {e["Architecture"] for e in installer["Installers"]
                         if e.get("InstallerType") == "msi"}
    if msi_architectures != set(product_codes):
        fail(f"msi installers for {sorted(msi_architectures)}, built for {sorted(product_codes)}")
    return report()


def report():
    for message in errors:
        print("FAILED:", message, file=sys.stderr)
    if not errors:
        print("ok: the winget manifests")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
