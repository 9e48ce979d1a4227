#!/usr/bin/env bash
# How often the agent wakes up on a bare X server (no window manager, no compositor):
# idle in the tray, with a dialog open, and with a dialog open while another application
# keeps raising its window. Counts, over every thread and with strace, the agent's calls
# that a sleeping thread returns from (poll, ppoll, futex) and its reads from the X server
# (recvmsg: events and replies). Needs strace, xdotool, xmessage and a built tree.
#
#   tools/measure-wakeups.sh [SECONDS]     (default 10 per phase)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
if [[ ${EBOARD_WAKEUPS_INNER:-0} != 1 ]]; then
    command -v strace >/dev/null || { echo "needs strace (apt-get install strace)" >&2; exit 1; }
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -m 700 "$scratch/runtime" "$scratch/home"
    export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home" EBOARD_WAKEUPS_INNER=1
    unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$seconds"
fi

bin=build/bin
log=$HOME/agent.log
# No unit and no FIFO writer: "Calibrate" opens the "not connected" dialog and keeps it open.
"$bin/eBoardAgent" --pointer log --device "$HOME/no-unit" >"$log" 2>&1 &
agent=$!
trap 'kill "$agent" 2>/dev/null; wait "$agent" 2>/dev/null || true' EXIT
sleep 3

# Prints "PHASE: N waits/s (poll P, ppoll Q, futex F), X reads R/s": every poll and
# futex call counts, so N is an upper bound of the wake-ups.
measure() {
    local phase=$1 out=$HOME/strace-$1.txt
    timeout -s INT "$seconds" strace -f -q -c -e trace=poll,ppoll,futex,recvmsg \
        -p "$agent" -o "$out" || true
    awk -v phase="$phase" -v s="$seconds" '
        $NF ~ /^(poll|ppoll|futex|recvmsg)$/ { calls[$NF] = $4 }
        END {
            wake = calls["poll"] + calls["ppoll"] + calls["futex"]
            printf "%-14s %6.1f waits/s (poll %d, ppoll %d, futex %d), X reads %.1f/s\n",
                phase ":", wake / s, calls["poll"], calls["ppoll"], calls["futex"],
                calls["recvmsg"] / s
        }' "$out"
}

visible_windows() {
    xdotool search --onlyvisible --class eBoardAgent 2>/dev/null | wc -l
}

measure "no window"
"$bin/eboardctl" calibrate
sleep 2
echo "agent windows mapped: $(visible_windows)"
measure "dialog open"

# Another application raising its window ten times a second over the dialog: the agent
# looks at the stacking at most twice a second and raises its dialog back.
xmessage -geometry 300x100+800+480 "another application" &
other=$!
sleep 1
(while sleep 0.1; do xdotool search --onlyvisible --class Xmessage windowraise 2>/dev/null; done) &
raiser=$!
measure "busy desktop"
kill "$raiser" "$other" 2>/dev/null || true
"$bin/eboardctl" quit || true
