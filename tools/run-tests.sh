#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, inside a
# private session bus and a virtual X display, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
tools/format.sh --check
cmake --preset default >/dev/null
cmake --build --preset default

if [[ -x tools/fuzz.sh ]]; then
  tools/fuzz.sh
fi

# The Debian packages take a second (Release) build: only when asked for.
if [[ ${EBOARD_CHECK_PACKAGES:-0} == 1 ]]; then
  tools/check-packages.sh
fi

# Tests must never touch the real user's files or desktop.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime" "$scratch/home"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ctest --preset default

# The core, device, pointer and eboardctl tests once more under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer (their own build in build-asan).
tools/sanitize.sh
