#!/usr/bin/env bash
# Lays out every C++ file of the repository by .clang-format (clang-format 14).
#   scripts/format.sh           rewrite the files
#   scripts/format.sh --check   change nothing; fail and name the files that differ
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
format=$(command -v clang-format-14 || command -v clang-format) \
  || { echo "clang-format is not installed (scripts/setup.sh installs it)"; exit 1; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  report=$("$format" --dry-run "${files[@]}" 2>&1) || { echo "$report"; exit 1; }
  unformatted=$(sed -nE 's/^([^ :]+):[0-9]+:[0-9]+: (warning|error): .*/\1/p' <<<"$report" | sort -u)
  if [ -n "$unformatted" ]; then
    sed 's/^/not formatted: /' <<<"$unformatted"
    echo "run scripts/format.sh"
    exit 1
  fi
  echo "all ${#files[@]} C++ files formatted"
else
  "$format" -i "${files[@]}"
fi
