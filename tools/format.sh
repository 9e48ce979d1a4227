#!/usr/bin/env bash
# Formats every C++ file of the tree with the repository's .clang-format.
#   tools/format.sh           rewrite the files in place
#   tools/format.sh --check   change nothing; list the files that differ and fail
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
[[ ${#files[@]} -gt 0 ]] || exit 0

if [[ "${1:-}" == "--check" ]]; then
  differ=()
  for f in "${files[@]}"; do
    [[ -f "$f" ]] || continue
    if ! clang-format --style=file "$f" | cmp -s - "$f"; then
      differ+=("$f")
    fi
  done
  if [[ ${#differ[@]} -gt 0 ]]; then
    echo "format: these files differ from .clang-format (run tools/format.sh):" >&2
    printf '  %s\n' "${differ[@]}" >&2
    exit 1
  fi
else
  existing=()
  for f in "${files[@]}"; do [[ -f "$f" ]] && existing+=("$f"); done
  clang-format --style=file -i "${existing[@]}"
fi
