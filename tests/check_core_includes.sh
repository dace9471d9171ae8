#!/bin/sh
# check_core_includes.sh <list of core sources>: fails when a core source or its header includes wx.
set -eu
found=0
while read -r source; do
  [ -n "$source" ] || continue
  for file in "$source" "${source%.cpp}.h"; do
    if [ -f "$file" ] && grep -n '#include <wx' "$file"; then
      echo "toolkit include in core file $file"
      found=1
    fi
  done
done <"$1"
exit $found
