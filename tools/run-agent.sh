#!/usr/bin/env bash
# Installs what is missing, builds the agent and starts it. Arguments are passed on
# (see build/bin/eBoardAgent --help).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target eBoardAgent eboardctl

exec build/bin/eBoardAgent "$@"
