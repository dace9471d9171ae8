#!/bin/sh
# with_temp_home.sh command...: runs the command with HOME in a fresh scratch directory.
set -u
HOME=$(mktemp -d)
export HOME
"$@"
status=$?
rm -rf "$HOME"
exit $status
