#!/usr/bin/env bash
# Renders every calibration window in every language at 1920x1080 through the window
# bench into docs/gallery/<language>/, on a private X display.
#
#   tools/render-gallery.sh [BUILD_DIR] [OUTPUT_DIR]
#
# The build must be complete (the bench and the pictures it shows).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
output=${2:-$root/docs/gallery}
bench=$build/bin/eboard-window-bench
if [[ ! -x $bench ]]; then
  echo "render-gallery: $bench is missing: build the project first" >&2
  exit 1
fi

if [[ -z ${EBOARD_GALLERY_DISPLAY:-} ]]; then
  # Run again on a private display of the gallery's size.
  exec env EBOARD_GALLERY_DISPLAY=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build" "$output"
fi

# name|class and options (quoted as in a shell), in the order a user meets them.
windows=(
  "01-start-calibration|StartNormalCalibrateDlg"
  "02-preview|CalibrationPreViewWindowController"
  "03-crosshairs|CalibrateWindowController"
  "04-calibration-finished|EndNormalCalibrateWindow"
  "05-calibration-poor|EndNormalCalibratePoorWindow"
  "06-start-diagnosis|StartDiagnosisWindow"
  "07-result-good|CalibrateMessageWindowController --error-type 1 0 0"
  "08-result-acceptable-one-side|CalibrateMessageWindowController --error-type 2 1 1"
  "09-result-poor-from-side|CalibrateMessageWindowController --error-type 3 1 0"
  "10-result-neutral|CalibrateMessageWindowController --error-type 0 0 0"
  "11-excellent|CalibrateExcellentWindow"
  "12-advice-closer|CheckCamPositionWindow --hint-code 2"
  "13-advice-middle|CheckCamPositionWindow --hint-code 0"
  "14-advice-face-board|CheckCamPositionWindow --hint-code 1"
  "15-stop-calibration|AbortWindowController --abort-type 0"
  "16-no-camera|DeviceDoNotConnectWindow"
  "17-not-saved|CalibrateNotSavedWindow --failure '/home/ada/Library/HN-42_driver/eBoardSetting.archive: Read-only file system'"
)

count=0
for language in en zh ja fr de; do
  mkdir -p "$output/$language"
  for entry in "${windows[@]}"; do
    name=${entry%%|*}
    eval "command=(${entry#*|})"
    "$bench" "${command[@]}" --language "$language" --screenshot "$output/$language/$name.png"
    count=$((count + 1))
    printf '\rrender-gallery: %d of %d' "$count" $((5 * ${#windows[@]})) >&2
  done
done
echo >&2
du -sh "$output" >&2
