#!/bin/sh
# Runs a command with an X display: the user's own, or a virtual one for the command's
# lifetime (Wine needs a display for windows, timers and the notification area).
set -eu
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
