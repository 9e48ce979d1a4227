#!/usr/bin/env bash
# Builds the libFuzzer targets with the fuzz preset (clang, ASan, UBSan) and runs each
# for a fixed short time from its seed corpus. Exits non-zero when the build fails or
# any target finds a crash, a leak, a time-out or undefined behaviour; the input that
# did it is left in <build>/fuzz-artifacts.
#   tools/fuzz.sh [TARGET...]   run only these (frame archive thresholds descriptor recording)
#   EBOARD_FUZZ_BUILD_DIR  build directory (default: the preset's build-fuzz)
#   EBOARD_FUZZ_SECONDS    seconds per target (default 20; five targets, so ~2 minutes)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${EBOARD_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${EBOARD_FUZZ_SECONDS:-20}
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(frame archive thresholds descriptor recording)

# Seed folders per target, besides fuzz/corpus/<target>. The shared fixtures are read
# when they are there (a checkout beside the shared folder, or this machine's copy).
shared_fixtures=()
for dir in "$root/../shared/fixtures/plist" /work/shared/fixtures/plist; do
  [[ -d "$dir" ]] && shared_fixtures+=("$dir")
done
seeds_for() {
  case "$1" in
    frame | recording) echo "$root/tests/data/replay" ;;
    archive | thresholds) echo "$root/tests/data/plist" "${shared_fixtures[@]}" ;;
    descriptor) ;;
  esac
}
# Largest input per target: room for the 5,000-level archive seed, a long recording;
# the report descriptor and the thresholds file are small.
max_len_for() {
  case "$1" in
    archive) echo 32768 ;;
    frame | recording) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

cd "$root"
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

failed=()
for target in "${targets[@]}"; do
  # New inputs go to a scratch folder; the seed folders are only read.
  corpus="$scratch/$target"
  mkdir -p "$corpus"
  seeds=()
  [[ -d "$root/fuzz/corpus/$target" ]] && seeds+=("$root/fuzz/corpus/$target")
  read -r -a extra <<<"$(seeds_for "$target")"
  seeds+=("${extra[@]}")
  echo "fuzz: running ${target}_fuzzer for ${seconds} s" >&2
  log="$scratch/$target.log"
  if "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -max_len="$(max_len_for "$target")" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/${target}-" \
      "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "fuzz: ${target}_fuzzer: no finding; ${runs:-?} runs, ${rate:-?} exec/s" >&2
  else
    tail -n 60 "$log" >&2
    echo "fuzz: ${target}_fuzzer FAILED; input in $artifacts" >&2
    failed+=("$target")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
