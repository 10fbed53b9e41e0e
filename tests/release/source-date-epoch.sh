#!/bin/sh
# scripts/source-date-epoch.sh gives SOURCE_DATE_EPOCH when set, else the last commit's time,
# else (no git, or sources with no repository of their own) the time of CMakeLists.txt.
# Usage: tests/release/source-date-epoch.sh PROJECT_ROOT WORK
set -eu
script=$1/scripts/source-date-epoch.sh work=$2
rm -rf "$work"
repo=$work/repo
mkdir -p "$repo/unpacked" "$work/no-git"
echo "project(x)" >"$repo/CMakeLists.txt"
git -C "$repo" init -q
git -C "$repo" add CMakeLists.txt
GIT_COMMITTER_DATE=@1500000000 git -C "$repo" -c user.name=t -c user.email=t@example.com \
    commit -q -m x
touch -d @1400000000 "$repo/CMakeLists.txt"
# An archive of the sources unpacked inside another repository, untracked there.
cp "$repo/CMakeLists.txt" "$repo/unpacked/"
touch -d @1300000000 "$repo/unpacked/CMakeLists.txt"
# A machine without git: only what the script needs besides it.
ln -s "$(command -v stat)" "$work/no-git/stat"

failures=0
# expect WHAT EXPECTED SOURCE_DATE_EPOCH PATH ROOT: prints EXPECTED, or fails when it is "fails".
expect() {
    actual=$(SOURCE_DATE_EPOCH=$3 PATH=$4 /bin/sh "$script" "$5" 2>/dev/null) || actual=fails
    if [ "$actual" = "$2" ]; then echo "ok: $1"; else
        echo "FAILED: $1: $actual, not $2" >&2
        failures=$((failures + 1))
    fi
}
expect "a repository gives its last commit's time" 1500000000 "" "$PATH" "$repo"
expect "SOURCE_DATE_EPOCH wins over the commit" 1234567890 1234567890 "$PATH" "$repo"
expect "without git, CMakeLists.txt's time" 1400000000 "" "$work/no-git" "$repo"
expect "sources inside another repository take their CMakeLists.txt's time" 1300000000 "" \
    "$PATH" "$repo/unpacked"
expect "a SOURCE_DATE_EPOCH that is no number fails" fails yesterday "$PATH" "$repo"
[ "$failures" -eq 0 ]
