#!/usr/bin/env bash
# Sets up, builds and starts forms; arguments go to the program (for example
# a form file, /Tutorial or /Register). Without a desktop, start it on Qt's
# offscreen platform: QT_QPA_PLATFORM=offscreen scripts/run.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
build="${FORMS_BUILD_DIR:-$here/build}"
exec "$build/forms/forms" "$@"
