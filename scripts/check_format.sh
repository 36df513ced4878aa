#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it under the
# project's .clang-format. Usage: check_format.sh [clang-format program].
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tool="${1:-clang-format}"
cd "$here"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find abacine forms platform tests -name '*.cpp' -o -name '*.h')
fi
"$tool" --dry-run --Werror "${files[@]}"
echo "${#files[@]} files match the project's format"
