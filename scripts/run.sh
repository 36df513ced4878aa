#!/usr/bin/env bash
# Sets up, builds and starts forms.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
build="${FORMS_BUILD_DIR:-$here/build}"
if [ -x "$build/forms/forms" ]; then
  exec "$build/forms/forms" "$@"
fi
echo "Built the libraries and tests; the forms program itself is not there yet."
