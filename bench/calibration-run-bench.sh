#!/usr/bin/env bash
# Runs calibration_run_bench inside a private session bus, Xvfb and umockdev's preload.
#   bench/calibration-run-bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
    umockdev-wrapper "$build/bin/calibration_run_bench" "$runs"
