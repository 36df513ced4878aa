#!/usr/bin/env bash
# Sets up, builds and starts forms. Without arguments it opens the sample
# form that the build makes (two pages with every kind of object there is);
# other arguments go to the program (a form file, /Tutorial, /Register...).
# On a machine without a display it prints the form to PDF with -p instead
# and says where the PDF is.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
build="${FORMS_BUILD_DIR:-$here/build}"
program="$build/forms/forms"
sample="$build/forms/sample.qwm"
if [ $# -eq 0 ]; then
  set -- "$sample"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  form="${1}"
  [ "$form" = "-p" ] && form="${2:-}"
  case "$form" in
    *.qwm|*.QWM) ;;
    *) echo "run.sh: no display; give a form file to print, for example $sample" >&2; exit 2 ;;
  esac
  QT_QPA_PLATFORM=offscreen "$program" -p "$form"
  echo "run.sh: no display, so the form was printed to ${form%.*}.pdf"
  exit 0
fi
exec "$program" "$@"
