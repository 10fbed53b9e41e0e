#!/bin/sh
# Installs what building and testing Keystead needs on Debian, and nothing when it is all
# there already. Needs root (or sudo) only when something is missing.
set -eu

packages="cmake make g++ libgtest-dev libgmock-dev googletest
g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32
wine wine64 wine32:i386 xvfb xauth imagemagick xdotool
wixl msitools libxml2-utils python3 python3-jsonschema python3-yaml
faketime osslsigncode openssl unzip ccache
fonts-wqy-microhei"
# fonts-wqy-microhei: one small font file with the Japanese and Chinese letters that Wine lacks,
# so that the Wine tests measure and the screenshots show those texts as Windows draws them
# (scripts/wine-fonts.sh links it in each Wine prefix). Russian and Polish need no extra font.

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
as_root=""
if [ "$(id -u)" -ne 0 ]; then
    as_root="sudo"
fi
# wine32 is an i386 package: the architecture must be known before the package lists load.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $as_root dpkg --add-architecture i386
fi
# A mirror caught mid-sync serves a package list of the wrong size for a while: try again,
# saying so, then install from the lists that did load (apt keeps them), which fails loudly
# if a package needed is not in them.
tries=1
until $as_root apt-get update -q; do
    if [ "$tries" -ge 4 ]; then
        echo "install-deps: some package lists did not load; installing from those that did" >&2
        break
    fi
    echo "install-deps: some package lists did not load (try $tries of 4); again in 30 s" >&2
    tries=$((tries + 1))
    sleep 30
done
install() {
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends "$@"
}
# shellcheck disable=SC2086
install $missing && exit 0
# The 32-bit libraries must be the very versions of the 64-bit ones: when the mirror's i386
# lists lag behind, wine32 cannot be installed, and the 32-bit suites skip themselves.
case " $missing " in
*" wine32:i386 "*) ;;
*) exit 1 ;;
esac
echo "install-deps: wine32:i386 cannot be installed from these package lists;" \
    "installing the rest: the 32-bit suites will be skipped" >&2
# shellcheck disable=SC2086
install $(echo "$missing" | tr ' ' '\n' | grep -vx 'wine32:i386')
