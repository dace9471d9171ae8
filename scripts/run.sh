#!/bin/sh
# Builds the client and runs it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_deps.sh"
"$root/scripts/build.sh" "$root/build-run" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_TESTS=OFF -DVANDREL_BENCH=OFF
exec "$root/build-run/vandrel" "$@"
