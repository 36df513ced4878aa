#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; ends with CTest's summary.
#
# --sanitize builds with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into a folder of its own (build-sanitize, or
# FORMS_SANITIZE_BUILD_DIR) and runs the whole suite there; the run is clean
# when every test passes and no sanitizer report appears. Leaks are not
# reported: Qt, fontconfig and libgsf keep memory until the program exits.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = "--sanitize" ]; then
  shift
  build="${FORMS_SANITIZE_BUILD_DIR:-$here/build-sanitize}"
  flags="-fsanitize=address,undefined -fno-omit-frame-pointer"
  FORMS_BUILD_DIR="$build" bash "$here/scripts/build.sh" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    "-DCMAKE_C_FLAGS=$flags" "-DCMAKE_CXX_FLAGS=$flags" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" \
    "-DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address,undefined" \
    "-DCMAKE_MODULE_LINKER_FLAGS=-fsanitize=address,undefined"
  export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  cd "$build"
  log="$build/sanitize.log"
  status=0
  ctest --output-on-failure --parallel "$(nproc)" --timeout 1200 "$@" 2>&1 | tee "$log" || status=$?
  # A report that did not stop its test (one in a child process, say) still
  # makes the run unclean.
  if grep -qE "ERROR: AddressSanitizer|runtime error:" "$log"; then
    echo "Sanitizer reports found; see $log" >&2
    [ "$status" -ne 0 ] || status=1
  fi
  exit "$status"
fi

bash "$here/scripts/build.sh"
build="${FORMS_BUILD_DIR:-$here/build}"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 1200
