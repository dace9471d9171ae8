#!/bin/sh
# Installs the Debian packages the build and the tests need, only when some are missing.
set -eu
packages="build-essential cmake pkg-config python3 openssl
  libwxgtk3.2-dev portaudio19-dev libvorbis-dev zlib1g-dev libssl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth xdotool xclip x11-utils imagemagick"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing missing packages:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
fi
