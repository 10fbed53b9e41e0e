#!/bin/sh
# Lets Wine draw Japanese and Chinese in a Wine prefix: Windows links its dialog fonts to CJK
# fonts of its own ("MS UI Gothic", "SimSun") that Wine does not ship, so the message font
# (Tahoma), "Microsoft Sans Serif" and "Segoe UI" are linked to WenQuanYi Micro Hei
# (fonts-wqy-microhei) instead. Without it those letters are drawn as boxes and measured as boxes. Once a prefix.
# Usage: WINEPREFIX=... scripts/wine-fonts.sh WINE-LOADER
set -eu
loader=$1
marker=$WINEPREFIX/keystead-fonts-linked
[ -f "$marker" ] && exit 0
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in Tahoma "Microsoft Sans Serif" "Segoe UI"; do
    if ! "$loader" reg add "$key" /v "$face" /t REG_MULTI_SZ \
        /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null 2>&1; then
        echo "could not link $face to the CJK font in $WINEPREFIX" >&2
        exit 0  # the program runs all the same; the next start tries again
    fi
done
touch "$marker"
