#!/bin/sh
# Builds both release presets from the same sources in two folders, one after the other: the
# second later, in another time zone and with another umask. Fails unless every file of the
# two dist/ folders is byte-identical, and when either program names its build folder. Leaves
# both folders for tests/release/signed-release.sh. The second build compiles without the
# compiler cache: the flags name the folder (-ffile-prefix-map), but ccache's base_dir makes
# both folders' flags the same, so the cache would hand it the first build's objects.
# Usage: tests/release/two-builds.sh PROJECT_ROOT WORK
set -eu
root=$(cd "$1" && pwd) work=$2
first=$work/first second=$work/second-folder
jobs=${KEYSTEAD_TEST_JOBS:-$(nproc)}
# The copies carry no git history: both take the time of the sources' last commit.
SOURCE_DATE_EPOCH=$("$root/scripts/source-date-epoch.sh" "$root")
export SOURCE_DATE_EPOCH
rm -rf "$work"
mkdir -p "$work"

copy_sources() {
    mkdir -p "$1"
    if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
        # What the next commit would hold: tracked and new files, not what git ignores.
        (cd "$root" && git ls-files -z -co --exclude-standard |
            tar --null --ignore-failed-read -T - -cf -) | tar -xf - -C "$1"
    else
        (cd "$root" && tar --exclude=./build --exclude=./dist -cf - .) | tar -xf - -C "$1"
    fi
}
build() {
    for preset in release-x86 release-x64; do
        # What users download, without the benchmark and the test helpers.
        if ! (cd "$1" && cmake --preset "$preset" &&
            cmake --build --preset "$preset" -j "$jobs" --target keystead_checksums) \
            >"$1/$preset.log" 2>&1; then
            tail -n 40 "$1/$preset.log"
            echo "FAILED: the $preset build in $1" >&2
            exit 1
        fi
    done
}

start=$(date +%s)
copy_sources "$first"
build "$first"
middle=$(date +%s)
copy_sources "$second"
(umask 077 && TZ=Pacific/Kiritimati CCACHE_DISABLE=1 build "$second")
end=$(date +%s)
echo "builds: $((middle - start)) s in $first, $((end - middle)) s in $second"

failures=0
files() { (cd "$1/dist" && find . -type f | sort); }
if [ "$(files "$first")" != "$(files "$second")" ]; then
    echo "FAILED: the two dist/ folders hold different files:" >&2
    files "$first" >"$work/first.list"
    files "$second" >"$work/second.list"
    diff "$work/first.list" "$work/second.list" >&2 || true
    failures=$((failures + 1))
fi
for file in $(files "$first"); do
    if cmp -s "$first/dist/$file" "$second/dist/$file"; then
        echo "identical: dist/${file#./}"
    else
        echo "FAILED: dist/${file#./} differs between the two builds" >&2
        failures=$((failures + 1))
    fi
done
for folder in "$first" "$second"; do
    for exe in "$folder"/dist/*/Keystead.exe; do
        if strings -a "$exe" | grep -F -e "$work" -e "$root"; then
            echo "FAILED: $exe names a build folder" >&2
            failures=$((failures + 1))
        fi
    done
    (cd "$folder/dist" && sha256sum -c --quiet SHA256SUMS) || failures=$((failures + 1))
done
[ "$failures" -eq 0 ] || exit 1
cat "$first/dist/SHA256SUMS"
# The unsigned release, for the signing test to compare with.
cp -R "$first/dist" "$work/unsigned"
