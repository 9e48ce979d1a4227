#!/usr/bin/env bash
# Installs what is missing, builds the driver and starts it. Arguments are passed on.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target eboardctl

exec build/bin/eboardctl "${@:---help}"
