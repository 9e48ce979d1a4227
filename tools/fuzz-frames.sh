#!/usr/bin/env bash
# Builds the frame-path fuzzer with the fuzz preset (clang, ASan, UBSan) and runs it
# briefly. Exits non-zero when the build fails or the fuzzer finds a crash, a leak or
# undefined behaviour; the crashing input is left in the build directory.
#   EBOARD_FUZZ_BUILD_DIR  build directory (default: the preset's build-fuzz)
#   EBOARD_FUZZ_SECONDS    how long to fuzz (default 20)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${EBOARD_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${EBOARD_FUZZ_SECONDS:-20}

cd "$root"
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target frame_fuzzer

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

echo "fuzz-frames: running frame_fuzzer for ${seconds} s" >&2
"$build/bin/frame_fuzzer" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus"
