#!/bin/sh
# Prints the time a release puts wherever it needs one (zip entries, the package's summary, the
# cabinet's files, signatures), so that the same sources give the same bytes at any hour:
# SOURCE_DATE_EPOCH when set, else the time of the last commit, else (a source archive without
# git) the time of CMakeLists.txt, which every release touches to set its version.
# Usage: scripts/source-date-epoch.sh [PROJECT_ROOT]
set -eu
root=${1:-$(dirname "$0")/..}
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    epoch=$SOURCE_DATE_EPOCH
else
    # Only the project's own repository: a source archive unpacked inside another one (a
    # home folder kept in git) must not take that one's last commit.
    epoch=""
    top=$(git -C "$root" rev-parse --show-toplevel 2>/dev/null) || top=""
    if [ -n "$top" ] && [ "$top" = "$(cd "$root" && pwd -P)" ]; then
        epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null) || epoch=""
    fi
    [ -n "$epoch" ] || epoch=$(stat -c %Y "$root/CMakeLists.txt")
fi
case $epoch in
    '' | *[!0-9]*)
        echo "SOURCE_DATE_EPOCH must be seconds since 1970, not '$epoch'" >&2
        exit 1
        ;;
esac
echo "$epoch"
