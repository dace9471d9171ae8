#!/bin/sh
# Builds and runs every test: the normal build, an ASan/UBSan build, and the fuzz targets briefly.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install_deps.sh"
out=${VANDREL_TEST_BUILD_ROOT:-$root/build-test}
mkdir -p "$out"
fuzz_seconds=${VANDREL_FUZZ_SECONDS:-20}
status=0

run_ctest() {
  label=$1
  dir=$2
  echo "=== ctest: $label ==="
  (cd "$dir" && ctest --output-on-failure -j "$(nproc)" --timeout 300) >"$dir/ctest.log" 2>&1 || status=1
  # The runner's summary, and the failures in full when there are any.
  sed -n '/tests passed\|tests failed/,$p' "$dir/ctest.log"
  [ $status -eq 0 ] || grep -B2 -A40 'Failed\|\*\*\*' "$dir/ctest.log" | tail -200
}

"$root/scripts/build.sh" "$out/normal" -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_ctest "normal build" "$out/normal"

"$root/scripts/build.sh" "$out/asan" -DCMAKE_BUILD_TYPE=Debug -DVANDREL_SANITIZE=ON -DVANDREL_BENCH=OFF
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS=print_stacktrace=1
run_ctest "ASan/UBSan build" "$out/asan"

CC=clang CXX=clang++ "$root/scripts/build.sh" "$out/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANDREL_FUZZ=ON
for target in "$out"/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$out/fuzz-corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/tests/fixtures/fuzz/$name"
  [ -d "$seeds" ] || seeds=""
  echo "=== fuzz: $name for ${fuzz_seconds}s ==="
  if "$target" -max_total_time="$fuzz_seconds" -timeout=10 "$corpus" $seeds >"$out/$name.log" 2>&1; then
    tail -n 1 "$out/$name.log"
  else
    tail -n 60 "$out/$name.log"
    status=1
  fi
done

if [ $status -eq 0 ]; then echo "ALL TESTS PASSED"; else echo "SOME TESTS FAILED"; fi
exit $status
