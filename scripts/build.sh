#!/bin/sh
# build.sh <build dir> [cmake options...]: configure and build one tree; the full output goes to
# <build dir>.build.log and is shown only when the build fails (warnings are always shown).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
echo "=== build: $dir $* ==="
cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
if ! cmake --build "$dir" -j "$(nproc)" >"$dir.build.log" 2>&1; then
  grep -E 'error|Error' "$dir.build.log" | head -50
  tail -n 60 "$dir.build.log"
  exit 1
fi
grep -E 'warning:' "$dir.build.log" || true
