#!/usr/bin/env bash
# Runs clang-tidy with the tree's .clang-tidy over the agent's and the tools' sources,
# using the default preset's compile commands; any finding fails.
#
#   tools/lint.sh [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/compile_commands.json ]]; then
  cmake --preset default >/dev/null
fi
# The forms' generated headers must exist before their includers can be read.
cmake --build --preset default >/dev/null

if [[ $# -gt 0 ]]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files 'src/*.cpp' 'tools/*.cpp')
fi
echo "lint: ${#files[@]} files, $(nproc) at a time" >&2
printf '%s\n' "${files[@]}" |
  xargs -n 4 -P "$(nproc)" clang-tidy -p build --quiet 2> >(grep -v '^[0-9]* warnings\? generated' >&2)
echo "lint: clean" >&2
