#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; ends with CTest's summary.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
build="${FORMS_BUILD_DIR:-$here/build}"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 1200
