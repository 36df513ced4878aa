#!/usr/bin/env bash
# Sets up (installs what is missing) and builds everything into build/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
build="${FORMS_BUILD_DIR:-$here/build}"
# Configured every time: a folder that gained its CMakeLists.txt is picked up.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
