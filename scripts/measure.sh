#!/bin/sh
# Prints the figures people compare tray utilities by: the size and the imports of both
# programs users download (dist/), where their bytes go by room (source folder and runtime
# library), the bytes their ten translations take, and, under Wine, the
# private dirty memory of the idle, hidden program beside a bare tray program (one hidden
# window, a 1000 ms timer reading the three lock keys, one tray icon) that this script builds
# itself, the same program with the lock keys shown ([display] ShowKeys=1 and every note on),
# and the DLLs the idle program has mapped. A benchmark: it prints, it does not judge; figures
# vary by machine.
# Usage: scripts/measure.sh   (builds the release programs first when dist/ lacks them)
set -eu
cd "$(dirname "$0")/.."
[ -n "${DISPLAY:-}" ] || exec scripts/with-display.sh "$0" "$@"

settle_seconds=${KEYSTEAD_SETTLE_SECONDS:-10}
work=$PWD/build/measure
mkdir -p "$work"

echo "== Executables (dist/) =="
for arch in x86 x64; do
    exe=dist/$arch/Keystead.exe
    if [ ! -f "$exe" ]; then
        cmake --preset "release-$arch" >/dev/null
        cmake --build --preset "release-$arch" -j 2 >/dev/null
    fi
    bytes=$(wc -c <"$exe")
    imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ' | sed 's/ $//')
    printf '%s  %7d bytes (%d KB)  imports: %s\n' "$exe" "$bytes" $(((bytes + 1023) / 1024)) \
        "$imports"
done

# Where the bytes go: each room's (top-level source folder's) functions and data, the C and
# C++ runtimes', the resources', and the rest, summed from the release link's map
# (build/release-ARCH/app/Keystead.exe.map) by scripts/native/map_rooms.py. Link-time
# optimisation makes the program's own code one object, so the same link runs once more here
# with each function in a section of its own, whose names say the room.
echo
echo "== Bytes by room (from the release link's map) =="
for arch in x86 x64; do
    app=build/release-$arch/app
    if [ ! -f "$app/Keystead.exe.map" ]; then
        cmake --preset "release-$arch" >/dev/null
        cmake --build --preset "release-$arch" -j 2 >/dev/null
    fi
    link=$(tail -n 1 "$app/CMakeFiles/Keystead.dir/link.txt" |
        sed -e 's| -o Keystead.exe | -o '"$work"'/rooms-'"$arch"'.exe |' \
            -e 's| -Wl,--out-implib,[^ ]*||' -e 's| -Wl,-Map=[^ ]*||')
    (cd "$app" && eval "$link -ffunction-sections -fdata-sections -Wl,-Map=$work/rooms-$arch.map")
    echo "$app/Keystead.exe  $(wc -c <"$app/Keystead.exe") bytes"
    python3 scripts/native/map_rooms.py "$app/Keystead.exe" "$app/Keystead.exe.map" \
        "$work/rooms-$arch.map"
done

# For comparison, where the test builds exist: the same sources built the way the product
# used to be (posix thread model with winpthread, no section garbage collection, no LTO).
for arch in x86 x64; do
    exe=build/windows-$arch/app/Keystead.exe
    if [ -f "$exe" ]; then
        bytes=$(wc -c <"$exe")
        printf '%s  %7d bytes (%d KB)  (test build, for comparison)\n' "$exe" "$bytes" \
            $(((bytes + 1023) / 1024))
    fi
done

# What the ten translations cost: their texts as compiled in (UTF-8, each distinct text once,
# none that English already says) and their 16-bit offsets in the packed text block, counted
# from the table itself; the same in both programs.
echo
echo "== Translations in the programs (ten languages beside English) =="
g++ -std=c++20 -O1 -I. scripts/native/TranslationBytes.cpp -o "$work/TranslationBytes"
"$work/TranslationBytes"
echo "All eleven languages, as the programs hold them:"
g++ -std=c++20 -O1 -I. language/pack/pack_texts.cpp -o "$work/pack_texts"
"$work/pack_texts" "$work/PackedTexts.inc"

# The bare tray program, built as the product is (win32 threads, static, -Os, stripped).
compile_bare() {  # TRIPLE OUTPUT
    "$1-g++-win32" -std=c++20 -Os -s -static -mwindows -DUNICODE -D_UNICODE \
        scripts/win32/BareTray.cpp -o "$2"
}

# Prints the private dirty memory (kB) of a program idling under Wine, then the DLLs it
# has mapped, one line, then the part of the first figure that is the program's own image and
# the part that is the Linux heap of Wine's Unix side. Wine copies an image whose sections are
# not page-aligned in the file into private memory, so the image counts whole; the Unix heap
# holds the window system's and fonts' data, and its figure moves by a hundred kB or so with
# the order in which the program first touches files and windows and with the fonts the prefix
# links, though the program keeps no more: compare runs part by part.
idle_figures() {  # EXE
    "$wine_run" "$1" >/dev/null 2>&1 &
    pid=$!
    sleep "$settle_seconds"
    dirty=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$pid/smaps_rollup")
    dlls=$(awk '$6 ~ /\.dll$/ { n = split($6, part, "/"); print tolower(part[n]) }' \
        "/proc/$pid/maps" | sort -u | tr '\n' ' ' | sed 's/ $//')
    parts=$(image_and_heap "$1" "/proc/$pid/smaps")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    echo "$dirty"
    echo "$dlls"
    echo "$parts"
}

# Prints "IMAGE HEAP": the private dirty kB of the EXE's image (its ImageBase to ImageBase +
# SizeOfImage; Wine does not name that mapping) and of the [heap] mapping.
image_and_heap() {  # EXE SMAPS
    x86_64-w64-mingw32-objdump -p "$1" |
        awk '$1 == "ImageBase" || $1 == "SizeOfImage" { print $2 }' | tr '\n' ' ' |
        awk -v smaps="$2" '
            function hex(text, value, i) {
                value = 0
                text = tolower(text)
                for (i = 1; i <= length(text); i++) {
                    value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
                }
                return value
            }
            {
                base = hex($1)
                end = base + hex($2)
                while ((getline line < smaps) > 0) {
                    n = split(line, field, " ")
                    if (field[1] ~ /^[0-9a-f]+-[0-9a-f]+$/) {
                        split(field[1], range, "-")
                        start = hex(range[1])
                        inImage = start >= base && start < end
                        inHeap = n >= 6 && field[6] == "[heap]"
                    } else if (field[1] == "Private_Dirty:") {
                        if (inImage) image += field[2]
                        if (inHeap) heap += field[2]
                    }
                }
                printf "%d %d\n", image, heap
            }'
}

memory() {  # ARCH TRIPLE WINEARCH LOADER
    arch=$1
    folder=$(mktemp -d "$work/idle-$arch.XXXXXX")
    # A settings file that is present and not empty: Keystead starts hidden, as every day.
    cp "dist/$arch/Keystead.exe" "$folder/Keystead.exe"
    printf '[main]\r\nCapsLock=2\r\nNumLock=2\r\nScrollLock=2\r\nInterval=1000\r\n' \
        >"$folder/Keystead.ini"
    compile_bare "$2" "$folder/BareTray.exe"

    export WINEARCH=$3 WINEPREFIX=$work/wineprefix-$arch WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine_run=$PWD/scripts/wine-run.sh
    if [ ! -f "$WINEPREFIX/system.reg" ]; then  # a prefix of its own, booted once
        "$4" wineboot -i >/dev/null 2>&1 || true
        wineserver -w 2>/dev/null || true
    fi

    keystead=$(idle_figures "$folder/Keystead.exe")
    bare=$(idle_figures "$folder/BareTray.exe")
    # The same with the lock keys shown: the icon drawn at run time and every note on.
    printf '[display]\r\nShowKeys=1\r\nCapsLockNote=3\r\nNumLockNote=3\r\nScrollLockNote=3\r\n' \
        >>"$folder/Keystead.ini"
    shown=$(idle_figures "$folder/Keystead.exe")
    shown_kb=$(echo "$shown" | sed -n 1p)
    keystead_kb=$(echo "$keystead" | sed -n 1p)
    bare_kb=$(echo "$bare" | sed -n 1p)
    keystead_image=$(echo "$keystead" | sed -n 3p | cut -d' ' -f1)
    keystead_heap=$(echo "$keystead" | sed -n 3p | cut -d' ' -f2)
    bare_image=$(echo "$bare" | sed -n 3p | cut -d' ' -f1)
    bare_heap=$(echo "$bare" | sed -n 3p | cut -d' ' -f2)
    keystead_dlls=$(echo "$keystead" | sed -n 2p)
    com=$(echo " $keystead_dlls" | grep -oE ' (ole32|combase|rpcrt4)\.dll' | tr -d '\n' || true)

    echo
    echo "== Idle memory under Wine, $arch (private dirty, after ${settle_seconds} s) =="
    echo "Keystead.exe (hidden)  $keystead_kb kB  (its image $keystead_image kB, Wine's Unix heap $keystead_heap kB)"
    echo "bare tray program      $bare_kb kB  (its image $bare_image kB, Wine's Unix heap $bare_heap kB)"
    awk -v k="$keystead_kb" -v b="$bare_kb" 'BEGIN { printf "ratio                  %.2f\n", k / b }'
    # Windows maps an image from its file, so its pages are shared there, not private: the
    # ratio a Windows user would see leaves both images out.
    awk -v k="$((keystead_kb - keystead_image))" -v b="$((bare_kb - bare_image))" \
        'BEGIN { printf "ratio without the images (as Windows maps them)  %.2f\n", k / b }'
    echo "Keystead.exe, [display] ShowKeys=1 and every note on  $shown_kb kB"
    echo "DLLs Keystead has mapped while idle: $keystead_dlls"
    echo "COM libraries (ole32, combase, rpcrt4) mapped while idle:${com:- none}"
    rm -rf "$folder"
}

memory x64 x86_64-w64-mingw32 win64 /usr/lib/wine/wine64
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    memory x86 i686-w64-mingw32 win32 /usr/lib/wine/wine
else
    echo
    echo "(x86 idle memory not measured: this machine cannot run 32-bit Wine)"
fi
