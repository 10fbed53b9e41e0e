#!/bin/sh
# The x64 package under 64-bit Wine, in a fresh prefix of its own: what an install, the
# program it installs, an upgrade, a refused downgrade and an uninstall leave behind.
# Usage: msi-under-wine.sh MSI PRODUCT_CODE VERSION NEXT_VERSION NEXT_PRODUCT_CODE PROBE WORKDIR
#        X86_PRODUCT_CODE
# The package of the next version, and the 32-bit package of this version (with the 64-bit
# program inside: only what Windows Installer does with it is looked at), are built here from
# the same source; the environment names
# the builder and its inputs (KEYSTEAD_BUILD_MSI, KEYSTEAD_WXS, KEYSTEAD_EXE, KEYSTEAD_README,
# KEYSTEAD_PRODUCT_NAME). Needs a display (scripts/with-display.sh) for the program's window.
set -eu
msi=$1 code=$2 version=$3 next_version=$4 next_code=$5 probe=$6 work=$7 x86_code=$8

export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko downloads, and no Linux menu entries for the Start-menu shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine=/usr/lib/wine/wine64
rm -rf "$work"
mkdir -p "$work"
"$wine" wineboot -i >/dev/null 2>&1 || true

next_msi="$work/Keystead-$next_version-x64.msi"
"$KEYSTEAD_BUILD_MSI" "$KEYSTEAD_WXS" "$next_msi" x64 "$next_version" "$next_code" \
    "$KEYSTEAD_PRODUCT_NAME" "$KEYSTEAD_EXE" "$KEYSTEAD_README"
x86_msi="$work/Keystead-$version-x86.msi"
"$KEYSTEAD_BUILD_MSI" "$KEYSTEAD_WXS" "$x86_msi" x86 "$version" "$x86_code" \
    "$KEYSTEAD_PRODUCT_NAME" "$KEYSTEAD_EXE" "$KEYSTEAD_README"

drive_c="$WINEPREFIX/drive_c"
default_dir="Program Files/Tarvine Keystead"
custom_dir="Tools/Keystead"
# Windows puts a per-machine shortcut into the all-users Start menu; Wine into the user's.
shortcuts="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs
$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
product_key='HKLM\SOFTWARE\Tarvine\Keystead'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
run_key32='HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_key32='HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall'

failures=0
check() {
    what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
# msiexec's exit code; Wine keeps its low 8 bits only (1603 reads 67).
msiexec() {
    status=0
    "$wine" msiexec "$@" >/dev/null 2>&1 || status=$?
    echo "$status"
}
# A value's data, or "<missing>".
value() {
    "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $2    REG_[A-Z_]*    //p" | grep . || echo "<missing>"
}
has_key() { "$wine" reg query "$1" >/dev/null 2>&1; }
no_key() { ! has_key "$1"; }
same() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'" >&2; return 1; }; }
refused() { [ "$1" = 67 ] || [ "$1" = 1603 ] || { echo "  exit code $1" >&2; return 1; }; }
found_shortcuts() {
    echo "$shortcuts" | while IFS= read -r folder; do
        if [ -e "$folder/Tarvine Keystead.lnk" ]; then echo "$folder/Tarvine Keystead.lnk"; fi
    done
}
# The Start-menu shortcut opens the settings window: its arguments, UTF-16 in the .lnk.
shortcut_opens_settings() {
    lnk=$(found_shortcuts | head -n 1)
    [ -n "$lnk" ] && python3 -c 'import sys
sys.exit("/settings".encode("utf-16-le") not in open(sys.argv[1], "rb").read())' "$lnk"
}
no_shortcut() { [ -z "$(found_shortcuts)" ]; }
windows_dir() { printf 'C:\\%s' "$1" | tr / '\\'; }
installed() {
    dir=$1
    check "the program is in $(windows_dir "$dir")" test -f "$drive_c/$dir/Keystead.exe"
    check "the read-me is in $(windows_dir "$dir")" test -f "$drive_c/$dir/Readme.txt"
    check "a Start-menu shortcut opens the settings" shortcut_opens_settings
    check "InstallDir names the folder" same "$(value "$product_key" InstallDir)" \
        "$(windows_dir "$dir")\\"
}
nothing_left() {
    check "no folder $(windows_dir "$1") left" test ! -e "$drive_c/$1"
    check "no shortcut left" no_shortcut
    check "no product key left" no_key "$product_key"
    check "no Run value left" same "$(value "$run_key" "Tarvine Keystead")" "<missing>"
    check "no product registered" no_key "$uninstall_key\\{$code}"
    check "no next product registered" no_key "$uninstall_key\\{$next_code}"
}

echo "== the next version without start-up, in a folder of the admin's choice"
check "installs" same "$(msiexec /i "$(windows_path "$next_msi")" /qn ADDLOCAL=Main \
    'INSTALLDIR=C:\Tools\Keystead')" 0
installed "$custom_dir"
check "Version is the next one" same "$(value "$product_key" Version)" "$next_version"
check "ADDLOCAL=Main writes no Run value" same "$(value "$run_key" "Tarvine Keystead")" "<missing>"

echo "== this version over the next one"
check "is refused" refused "$(msiexec /i "$(windows_path "$msi")" /qn)"
check "the next version stays" same "$(value "$product_key" Version)" "$next_version"
check "this version is not registered" no_key "$uninstall_key\\{$code}"

echo "== uninstalling"
check "succeeds" same "$(msiexec /x "{$next_code}" /qn)" 0
nothing_left "$custom_dir"

echo "== this version, everything"
check "installs" same "$(msiexec /i "$(windows_path "$msi")" /qn)" 0
installed "$default_dir"
check "Version is this one" same "$(value "$product_key" Version)" "$version"
check "the Run value starts the program" same "$(value "$run_key" "Tarvine Keystead")" \
    "\"C:\\Program Files\\Tarvine Keystead\\Keystead.exe\""
check "the installed program holds Caps Lock off and ends" \
    "$wine" "$probe" 'C:\Program Files\Tarvine Keystead\Keystead.exe'
check "the program saved its settings beside itself" test -f "$drive_c/$default_dir/Keystead.ini"

echo "== the next version over this one"
check "installs" same "$(msiexec /i "$(windows_path "$next_msi")" /qn)" 0
check "Version is the next one" same "$(value "$product_key" Version)" "$next_version"
check "this version is gone" no_key "$uninstall_key\\{$code}"
check "the next version is registered" has_key "$uninstall_key\\{$next_code}"
check "the settings survive" test -f "$drive_c/$default_dir/Keystead.ini"
check "start-up stays chosen" same "$(value "$run_key" "Tarvine Keystead")" \
    "\"C:\\Program Files\\Tarvine Keystead\\Keystead.exe\""

echo "== uninstalling"
check "succeeds" same "$(msiexec /x "{$next_code}" /qn)" 0
nothing_left "$default_dir"

echo "== start-up removed by the administrator, then a repair and an upgrade"
check "installs" same "$(msiexec /i "$(windows_path "$msi")" /qn)" 0
"$wine" reg delete "$run_key" /v "Tarvine Keystead" /f >/dev/null 2>&1
check "the repair succeeds" same "$(msiexec /i "$(windows_path "$msi")" REINSTALL=ALL \
    REINSTALLMODE=omus /qn)" 0
check "the repair writes no Run value" same "$(value "$run_key" "Tarvine Keystead")" "<missing>"
check "the upgrade succeeds" same "$(msiexec /i "$(windows_path "$next_msi")" /qn)" 0
check "the upgrade writes no Run value" same "$(value "$run_key" "Tarvine Keystead")" "<missing>"
check "uninstalling succeeds" same "$(msiexec /x "{$next_code}" /qn)" 0
nothing_left "$default_dir"

# Last: Wine forgets the UpgradeCode once the replaced product has gone after the new one.
echo "== the 32-bit package, then the 64-bit one of the same version"
check "the 32-bit one installs" same "$(msiexec /i "$(windows_path "$x86_msi")" /qn)" 0
check "it is registered" has_key "$uninstall_key32\\{$x86_code}"
check "its Run value is written" same "$(value "$run_key32" "Tarvine Keystead")" \
    "\"C:\\Program Files (x86)\\Tarvine Keystead\\Keystead.exe\""
check "the 64-bit one installs over it" same "$(msiexec /i "$(windows_path "$msi")" /qn)" 0
check "the 32-bit product is gone" no_key "$uninstall_key32\\{$x86_code}"
check "the 64-bit product is registered" has_key "$uninstall_key\\{$code}"
check "one Run value: the 64-bit one" same "$(value "$run_key" "Tarvine Keystead")" \
    "\"C:\\Program Files\\Tarvine Keystead\\Keystead.exe\""
check "no 32-bit Run value left" same "$(value "$run_key32" "Tarvine Keystead")" "<missing>"
check "uninstalling succeeds" same "$(msiexec /x "{$code}" /qn)" 0
nothing_left "$default_dir"

wineserver -k 2>/dev/null || true  # this prefix only
[ "$failures" -eq 0 ]
