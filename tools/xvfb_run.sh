#!/bin/sh
# xvfb_run.sh command...: runs the command on a private Xvfb display and stops it afterwards.
# -displayfd lets the server pick a free display, so parallel tests never collide.
set -eu
tmp=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
i=0
while [ ! -s "$tmp/display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
[ -s "$tmp/display" ] || { echo "Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }
DISPLAY=":$(head -n1 "$tmp/display")"
export DISPLAY
"$@"
