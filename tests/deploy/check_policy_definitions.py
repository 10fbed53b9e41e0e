#!/usr/bin/env python3
"""Checks the Group Policy definitions in deploy/policy: the ADMX and every language's ADML
against the ADMX schema (with xmllint), every string and presentation the ADMX names exists in
the en-US ADML (the schema cannot see across files), every other language's ADML has the same
strings, none empty, and the same presentations, and every policy writes the value the
program reads, of the type and range it reads (a list policy: the values of its own key).

Usage: check_policy_definitions.py PROJECT_ROOT [SCHEMA]
The schema defaults to ../shared/schemas/admx/PolicyDefinitionFiles.xsd beside the root; without
it the check reports itself skipped (exit 77), as a plain clone has no shared/."""
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

NS = {"p": "http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions"}
KEY = r"Software\Policies\Tarvine\Keystead"
MODES = [("0", "Force off"), ("1", "Force on"), ("2", "Allow toggling")]
NOTES = [("0", "No note"), ("1", "When held"), ("2", "On every change"), ("3", "While on")]
MONITORS = [("0", "The window in front"), ("1", "The mouse pointer"), ("2", "The main monitor"),
            ("3", "Every monitor")]
SOUNDS = [("0", "No sound"), ("1", "When held"), ("2", "On every change")]
LANGUAGES = [(tag, f"{name} ({tag})") for tag, name in [
    ("en", "English"), ("de", "German"), ("fr", "French"), ("es", "Spanish"), ("it", "Italian"),
    ("pt-BR", "Portuguese, Brazil"), ("nl", "Dutch"), ("pl", "Polish"), ("ru", "Russian"),
    ("ja", "Japanese"), ("zh-CN", "Chinese, Simplified")]]
# One folder of ADML for each language the program speaks, named as Windows names its own.
ADML_FOLDERS = ["en-US", "de-DE", "fr-FR", "es-ES", "it-IT", "pt-BR", "nl-NL", "pl-PL", "ru-RU",
                "ja-JP", "zh-CN"]
PRODUCT_NAME = "Tarvine Keystead"
POSITIONS = [(str(n), label) for n, label in enumerate(
    ["Bottom left", "Bottom centre", "Bottom right", "Middle left", "Centre", "Middle right",
     "Top left", "Top centre", "Top right"], start=1)]

# What the program reads: value name -> how the policy must write it.
EXPECTED = {
    "CapsLock": {"kind": "enum", "items": MODES},
    "NumLock": {"kind": "enum", "items": MODES},
    "ScrollLock": {"kind": "enum", "items": MODES},
    "Interval": {"kind": "decimal", "min": "20", "max": "60000"},
    "StartWithWindows": {"kind": "onoff"},
    "AllowSuspend": {"kind": "onoff"},
    "PausePrograms": {"kind": "text"},
    # A key of its own, a value per program: its file name as the name, its modes as REG_SZ.
    "Programs": {"kind": "list"},
    "Language": {"kind": "enum", "items": LANGUAGES, "type": "string"},
    "ShowKeys": {"kind": "onoff"},
    "CapsLockNote": {"kind": "enum", "items": NOTES},
    "NumLockNote": {"kind": "enum", "items": NOTES},
    "ScrollLockNote": {"kind": "enum", "items": NOTES},
    "NotePosition": {"kind": "enum", "items": POSITIONS},
    "NoteTime": {"kind": "decimal", "min": "500", "max": "10000"},
    "NoteMonitor": {"kind": "enum", "items": MONITORS},
    "CapsLockSound": {"kind": "enum", "items": SOUNDS},
    "NumLockSound": {"kind": "enum", "items": SOUNDS},
    "ScrollLockSound": {"kind": "enum", "items": SOUNDS},
}

errors = []


def fail(message):
    errors.append(message)


def validate(schema, path):
    result = subprocess.run(["xmllint", "--noout", "--schema", schema, path],
                            capture_output=True, text=True)
    if result.returncode != 0:
        fail(f"{path} does not validate:\n{result.stderr.strip()}")


def reference(text, kind):
    """The id in "$(kind.id)", or None."""
    match = re.fullmatch(r"\$\(" + kind + r"\.([A-Za-z0-9_]+)\)", text or "")
    return match.group(1) if match else None


def decimal_of(value_element):
    decimal = value_element.find("p:decimal", NS) if value_element is not None else None
    return decimal.get("value") if decimal is not None else None


def string_of(value_element):
    string = value_element.find("p:string", NS) if value_element is not None else None
    return string.text if string is not None else None


def check_policy(policy, strings):
    name = policy.get("name")
    expected = EXPECTED.get(name)
    if expected is None:
        fail(f"policy {name}: the program reads no such value")
        return
    if policy.get("key") != KEY:
        fail(f"policy {name}: key {policy.get('key')}, expected {KEY}")
    if policy.get("class") != "Both":
        fail(f"policy {name}: class {policy.get('class')}, expected Both (machine and user)")
    elements = policy.find("p:elements", NS)
    children = list(elements) if elements is not None else []
    kind = expected["kind"]
    if kind == "onoff":
        if policy.get("valueName") != name or children:
            fail(f"policy {name}: must write its own value {name} and have no elements")
        on = decimal_of(policy.find("p:enabledValue", NS))
        off = decimal_of(policy.find("p:disabledValue", NS))
        if (on, off) != ("1", "0"):
            fail(f"policy {name}: enabled/disabled write {on}/{off}, expected REG_DWORD 1/0")
        return
    if kind == "list":
        element = children[0] if len(children) == 1 else None
        if (element is None or element.tag.split("}")[1] != "list"
                or element.get("key") != KEY + "\\" + name
                or element.get("explicitValue") != "true" or element.get("valuePrefix")
                or element.get("expandable") == "true"):
            fail(f"policy {name}: expected one list of REG_SZ values named by the user, in "
                 f"the key {KEY}\\{name}")
        return
    if len(children) != 1 or children[0].get("valueName") != name:
        fail(f"policy {name}: expected one element writing the value {name}")
        return
    element = children[0]
    tag = element.tag.split("}")[1]
    if tag != kind:
        fail(f"policy {name}: a {tag} element, expected {kind}")
    elif kind == "enum":
        items = []
        value_of = string_of if expected.get("type") == "string" else decimal_of
        for item in element.findall("p:item", NS):
            label = strings.get(reference(item.get("displayName"), "string"))
            items.append((value_of(item.find("p:value", NS)), label))
        if items != expected["items"]:
            fail(f"policy {name}: items {items}, expected {expected['items']}")
    elif kind == "decimal":
        bounds = (element.get("minValue"), element.get("maxValue"))
        if bounds != (expected["min"], expected["max"]) or element.get("storeAsText") == "true":
            fail(f"policy {name}: REG_DWORD from {bounds[0]} to {bounds[1]}, expected "
                 f"{expected['min']} to {expected['max']}")
    elif kind == "text" and element.get("expandable") == "true":
        fail(f"policy {name}: REG_EXPAND_SZ, expected REG_SZ")


def controls(presentation):
    """What a presentation shows, its words aside: each control's kind and attributes."""
    return [(control.tag, sorted(control.attrib.items()), [child.tag for child in control])
            for control in presentation]


def language_tags(admx):
    """The string id of each item of the Language policy -> the tag the item writes."""
    return {reference(item.get("displayName"), "string"): string_of(item.find("p:value", NS))
            for item in admx.iterfind(".//p:policy[@name='Language']//p:item", NS)}


def check_translation(path, strings, presentations, tags):
    """A translated ADML says every string of the en-US one, none empty, and presents the
    same controls with the same defaults; the product keeps its name, and each language
    in the list of languages its tag, so that no item is labelled with another's name."""
    adml = ET.parse(path).getroot()
    translated = {s.get("id"): s.text for s in adml.iterfind(".//p:stringTable/p:string", NS)}
    for string_id in sorted(set(strings) ^ set(translated)):
        where = "missing" if string_id in strings else "not in the en-US ADML"
        fail(f"{path}: string {string_id} {where}")
    for string_id, text in translated.items():
        if not (text or "").strip():
            fail(f"{path}: string {string_id} is empty")
        elif PRODUCT_NAME in (strings.get(string_id) or "") and PRODUCT_NAME not in text:
            fail(f"{path}: string {string_id} does not name {PRODUCT_NAME}")
        elif string_id in tags and not re.search(rf"\W{re.escape(tags[string_id])}\W*$", text):
            fail(f"{path}: string {string_id} does not end in its tag {tags[string_id]}")
    shown = {p.get("id"): p for p in adml.iterfind(".//p:presentationTable/p:presentation", NS)}
    for presentation_id in sorted(set(presentations) ^ set(shown)):
        where = "missing" if presentation_id in presentations else "not in the en-US ADML"
        fail(f"{path}: presentation {presentation_id} {where}")
    for presentation_id in sorted(set(presentations) & set(shown)):
        if controls(shown[presentation_id]) != controls(presentations[presentation_id]):
            fail(f"{path}: presentation {presentation_id} differs from en-US beyond its words")
        for control in shown[presentation_id].iter():
            if control.tag.endswith(("}dropdownList", "}decimalTextBox", "}label",
                                     "}listBox")) and not (
                    control.text or "").strip():
                fail(f"{path}: presentation {presentation_id} has an empty label")


def main():
    root = os.path.abspath(sys.argv[1])
    schema = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        root, "..", "shared", "schemas", "admx", "PolicyDefinitionFiles.xsd")
    if not os.path.isfile(schema):
        print(f"SKIPPED: no ADMX schema at {os.path.normpath(schema)} (it comes with shared/ "
              "beside the project)")
        return 77
    admx_path = os.path.join(root, "deploy", "policy", "TarvineKeystead.admx")
    adml_path = os.path.join(root, "deploy", "policy", "en-US", "TarvineKeystead.adml")
    for path in (admx_path, adml_path):
        validate(schema, path)

    admx = ET.parse(admx_path).getroot()
    adml = ET.parse(adml_path).getroot()
    strings = {s.get("id"): s.text for s in adml.iterfind(".//p:stringTable/p:string", NS)}
    presentations = {p.get("id"): p for p in adml.iterfind(".//p:presentationTable/p:presentation", NS)}

    used_strings = set()
    for element in admx.iter():
        for attribute, text in element.attrib.items():
            if text.startswith("$(string."):
                string_id = reference(text, "string")
                used_strings.add(string_id)
                if string_id not in strings:
                    fail(f"{attribute}=\"{text}\": no such string in the ADML")
    for unused in sorted(set(strings) - used_strings):
        fail(f"string {unused} of the ADML is never used")

    used_presentations = set()
    for policy in admx.iterfind(".//p:policies/p:policy", NS):
        check_policy(policy, strings)
        element_ids = {e.get("id") for e in policy.iterfind("p:elements/*", NS)}
        text = policy.get("presentation")
        if text is None:
            if element_ids:
                fail(f"policy {policy.get('name')}: elements but no presentation")
            continue
        presentation_id = reference(text, "presentation")
        used_presentations.add(presentation_id)
        presentation = presentations.get(presentation_id)
        if presentation is None:
            fail(f"policy {policy.get('name')}: no presentation {presentation_id} in the ADML")
            continue
        shown = {control.get("refId") for control in presentation if control.get("refId")}
        if shown != element_ids:
            fail(f"presentation {presentation_id} shows {sorted(shown)}, the policy has "
                 f"{sorted(element_ids)}")
    for unused in sorted(set(presentations) - used_presentations):
        fail(f"presentation {unused} of the ADML is never used")

    names = {p.get("name") for p in admx.iterfind(".//p:policies/p:policy", NS)}
    for missing in sorted(set(EXPECTED) - names):
        fail(f"no policy for the value {missing}")

    policy_folder = os.path.join(root, "deploy", "policy")
    folders = sorted(f for f in os.listdir(policy_folder)
                     if os.path.isdir(os.path.join(policy_folder, f)))
    if folders != sorted(ADML_FOLDERS):
        fail(f"language folders {folders}, expected {sorted(ADML_FOLDERS)}")
    for folder in sorted(set(folders) - {"en-US"}):
        path = os.path.join(policy_folder, folder, "TarvineKeystead.adml")
        if not os.path.isfile(path):
            fail(f"{path} is missing")
            continue
        validate(schema, path)
        check_translation(path, strings, presentations, language_tags(admx))

    for message in errors:
        print("FAILED:", message, file=sys.stderr)
    if not errors:
        print(f"ok: {len(names)} policies, {len(strings)} strings, {len(presentations)} "
              f"presentations, in {len(folders)} languages")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
