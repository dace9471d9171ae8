#!/bin/sh
# Builds the client and runs it against the local demo game server.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_deps.sh"
"$root/scripts/build.sh" "$root/build-run" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_TESTS=OFF -DVANDREL_BENCH=OFF
# The local demo game server on loopback; it picks a free port and prints it first.
server_log=$(mktemp)
python3 "$root/tools/test_game_server.py" --demo >"$server_log" 2>&1 &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; rm -f "$server_log"' EXIT
trap 'exit 130' INT TERM
i=0
while ! grep -q '^PORT ' "$server_log" && [ $i -lt 200 ]; do sleep 0.1; i=$((i + 1)); done
port=$(sed -n 's/^PORT //p' "$server_log" | head -n 1)
[ -n "$port" ] || { echo "The demo game server did not start:"; cat "$server_log"; exit 1; }
VANDREL_GAME_SERVER="127.0.0.1:$port" "$root/build-run/vandrel" "$@"
