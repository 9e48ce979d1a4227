#!/usr/bin/env bash
# Builds the test programs of a few layers with the asan preset (GCC, AddressSanitizer,
# LeakSanitizer, UndefinedBehaviorSanitizer) and runs their tests with the asan test
# preset, inside a private session bus and a virtual X display. Exits non-zero when a
# test fails or any process, a test's child included, reports an error, a leak or
# undefined behaviour.
#   tools/sanitize.sh [LAYER...]   the layers under tests/ to run
#                                  (default: core device pointer eboardctl)
#   EBOARD_ASAN_BUILD_DIR  build directory (default: the preset's build-asan)
# Only the chosen layers' test programs and what they link are built: not the agent's
# windows, not the toolkit. `ctest --preset asan` runs the whole suite once everything is
# built (`cmake --build --preset asan`).
#
# The asan test preset's options, and why:
#   verify_asan_link_order=0  umockdev-wrapper puts its preload in front of libasan; ASan
#                             works that way, it only refuses by default.
#   exitcode=86               a report ends any process with 86, a status no program here
#                             uses, so a child's report cannot pass for an expected failure.
#   no log_path               reports go to stderr: with a log_path, ASan creates its folder
#                             at start-up through umockdev's mkdir before the preload is
#                             ready, and the process crashes.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${EBOARD_ASAN_BUILD_DIR:-$root/build-asan}
layers=("$@")
[[ ${#layers[@]} -gt 0 ]] || layers=(core device pointer eboardctl)

cd "$root"
cmake --preset asan -B "$build" >/dev/null
cmake --build "$build" -j2 --target "${layers[@]/#/eboard_tests_}"

# Tests must never touch the real user's files or desktop.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime" "$scratch/home"
export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

# The layer label leaves out the placeholders of test programs that were not built.
label="^($(
  IFS='|'
  echo "${layers[*]}"
))\$"
junit="$scratch/asan-tests.xml"
status=0
dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" \
  ctest --preset asan --test-dir "$build" -L "$label" \
  --output-junit "$junit" --test-output-size-passed 4194304 --test-output-size-failed 4194304 ||
  status=$?

# A report ends its process with status 86 (the preset's exitcode), which fails the test
# that ran it. A child whose status a test does not look at, or whose failure the test
# expected anyway, still prints its report into the test's output: look there too.
reports='ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:|SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer'
if [[ -f "$junit" ]] && grep -Eq "$reports" "$junit"; then
  echo "sanitize: sanitizer reports in the output of these tests:" >&2
  python3 - "$junit" "$reports" >&2 <<'EOF'
import re, sys
import xml.etree.ElementTree as ET
pattern = re.compile(sys.argv[2])
for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
    out = "".join(node.text or "" for node in case.iter("system-out"))
    lines = [line for line in out.splitlines() if pattern.search(line)]
    if lines:
        print("  " + case.get("name", "?"))
        for line in lines[:5]:
            print("      " + line)
EOF
  status=1
fi
if [[ $status -ne 0 ]]; then
  echo "sanitize: FAILED (layers: ${layers[*]})" >&2
  exit "$status"
fi
echo "sanitize: no finding (layers: ${layers[*]})" >&2
