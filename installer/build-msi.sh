#!/bin/sh
# Builds one Windows Installer package of Keystead with wixl, and adds what wixl cannot say.
# Usage: installer/build-msi.sh WXS OUT.msi ARCH VERSION PRODUCT_CODE PRODUCT_NAME EXE README
#   ARCH is x86 or x64; PRODUCT_CODE a GUID without braces.
# Any warning of wixl fails the build: wixl drops an attribute it does not know with only a
# warning, and a dropped attribute is a package that does something else than its source says.
set -eu
wxs=$1 out=$2 arch=$3 version=$4 product_code=$5 product_name=$6 exe=$7 readme=$8
# The tools the build found (installer/CMakeLists.txt), else those on PATH; a missing one
# fails here, named, before anything is made.
wixl=${KEYSTEAD_WIXL:-wixl} msibuild=${KEYSTEAD_MSIBUILD:-msibuild}
msiinfo=${KEYSTEAD_MSIINFO:-msiinfo} faketime=${KEYSTEAD_FAKETIME:-faketime}
for tool in "$wixl" "$msibuild" "$msiinfo" "$faketime"; do
    command -v "$tool" >/dev/null || { echo "build-msi.sh: $tool is missing (msitools, faketime)" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# wixl finds the files of <File Source=...> only by relative paths.
cp "$exe" "$stage/Keystead.exe"
cp "$readme" "$stage/Readme.txt"
# ---- The same bytes from the same sources, whenever and wherever built (1 of 2) ----------
# The cabinet keeps each file's time and wixl dates the package's summary by its clock: both
# take the release's time (scripts/source-date-epoch.sh) instead, in UTC, the clock standing.
epoch=$("$(dirname "$0")/../scripts/source-date-epoch.sh" "$(dirname "$0")/..")
touch -d "@$epoch" "$stage/Keystead.exe" "$stage/Readme.txt"
at_release_time() { TZ=UTC "$faketime" -f "$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" "$@"; }
# ------------------------------------------------------------------------------------------
wxs=$(cd "$(dirname "$wxs")" && pwd)/$(basename "$wxs")
case $out in /*) ;; *) out=$PWD/$out ;; esac

(cd "$stage" && at_release_time "$wixl" -a "$arch" -D Arch="$arch" -D Version="$version" \
    -D ProductCode="$product_code" -D ProductName="$product_name" \
    -D ExeFile=Keystead.exe -D ReadmeFile=Readme.txt -o package.msi "$wxs") >"$stage/log" 2>&1 || {
    cat "$stage/log" >&2
    exit 1
}
if [ -s "$stage/log" ]; then
    cat "$stage/log" >&2
    echo "wixl warned: the package would not be what installer/Keystead.wxs says" >&2
    exit 1
fi

# Uninstalling removes the settings file the program saved beside itself (wixl has no
# RemoveFile element). It belongs to the program's component, whose GUID stays the same from
# version to version, so an upgrade keeps it.
"$msibuild" "$stage/package.msi" -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \
\`FileName\`, \`DirProperty\`, \`InstallMode\`) VALUES ('SettingsFile', 'Program', \
'Keystead.ini', 'INSTALLDIR', 2)"
# The old version goes only after the new one is in place: its components that the new
# version shares (same GUIDs) stay, with the settings file, and only what is gone goes.
"$msibuild" "$stage/package.msi" -q "UPDATE \`InstallExecuteSequence\` SET \`Sequence\` = 6601 \
WHERE \`Action\` = 'RemoveExistingProducts'"
# The start-up value is written at the first install only. At an upgrade or a repair it is
# written where it still is (RUNVALUEPRESENT, searched before the install) and left out where an
# administrator removed it. Transitive (64), so that a repair asks the condition again, beside
# what wixl set: a registry key path (4), and 64-bit (256) in the x64 package.
run_value_attributes=68
if [ "$arch" = x64 ]; then run_value_attributes=324; fi
"$msibuild" "$stage/package.msi" -q "UPDATE \`Component\` SET \`Condition\` = \
'RUNVALUEPRESENT OR NOT (Installed OR WIX_UPGRADE_DETECTED)', \
\`Attributes\` = $run_value_attributes WHERE \`Component\` = 'RunValue'"
# The other architecture's package of the same version is the same product: it is replaced,
# not installed beside. The row that removes older versions includes its own version
# (msidbUpgradeAttributesMigrateFeatures 1 + VersionMaxInclusive 512); the row that refuses
# newer ones stays as it is. Attributes is part of the row's key: the row is written anew.
upgrade_code=$("$msiinfo" export "$stage/package.msi" Upgrade | tr -d '\r' |
    awk -F '\t' '$7 == "WIX_UPGRADE_DETECTED" { print $1 }')
"$msibuild" "$stage/package.msi" -q "DELETE FROM \`Upgrade\` \
WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'"
"$msibuild" "$stage/package.msi" -q "INSERT INTO \`Upgrade\` \
(\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`) \
VALUES ('$upgrade_code', '$version', 513, 'WIX_UPGRADE_DETECTED')"

# ---- The same bytes from the same sources (2 of 2) ---------------------------------------
# wixl draws the PackageCode (the summary's revision number) at random. The package's own code
# instead: a name-based UUID of the finished package with a blank code, so that equal packages
# share one and any difference in a file, a table or the summary gives another.
summary() { "$msiinfo" suminfo "$stage/package.msi" | sed -n "s/^$1: //p"; }
subject=$(summary Subject) author=$(summary Author) template=$(summary Template)
"$msibuild" "$stage/package.msi" -s "$subject" "$author" "$template" \
    "{00000000-0000-0000-0000-000000000000}"
package_code=$(python3 -c 'import hashlib, sys, uuid
digest = hashlib.sha256(open(sys.argv[1], "rb").read()).hexdigest()
print(str(uuid.uuid5(uuid.UUID(sys.argv[2]), digest)).upper())' "$stage/package.msi" "$product_code")
"$msibuild" "$stage/package.msi" -s "$subject" "$author" "$template" "{$package_code}"
# ------------------------------------------------------------------------------------------

mkdir -p "$(dirname "$out")"
mv "$stage/package.msi" "$out"
