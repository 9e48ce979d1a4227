#!/bin/sh
# Runs a command on an X display set up for it, then stops what it started:
#   with-x11.sh [--size WIDTHxHEIGHT] [--openbox] COMMAND [ARGUMENT...]
# --size     a private Xvfb display of that size instead of the current display
# --openbox  openbox manages the display while the command runs
set -u
size=
manager=no
while :; do
    case ${1-} in
    --size) size=$2; shift 2 ;;
    --openbox) manager=yes; shift ;;
    *) break ;;
    esac
done
scratch=$(mktemp -d)
server=
wm=

stop() {
    for pid in $wm $server; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$scratch"
}

fail() {
    echo "with-x11: $1" >&2
    [ -f "$scratch/openbox.log" ] && cat "$scratch/openbox.log" >&2
    stop
    exit 1
}

if [ -n "$size" ]; then
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
    server=$!
    tries=0
    until [ -s "$scratch/display" ]; do
        tries=$((tries + 1))
        [ "$tries" -gt 100 ] && fail "Xvfb did not start"
        sleep 0.1
    done
    DISPLAY=":$(cat "$scratch/display")"
    export DISPLAY
    unset XAUTHORITY
fi

if [ "$manager" = yes ]; then
    start_openbox() {
        openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
        wm=$!
    }
    start_openbox
    # openbox is ready once it has claimed the screen; on a loaded machine that can take a
    # while, and one that died on the way is started once more.
    tries=0
    restarted=no
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        tries=$((tries + 1))
        if ! kill -0 "$wm" 2>/dev/null && [ "$restarted" = no ]; then
            restarted=yes
            start_openbox
        fi
        [ "$tries" -gt 300 ] && fail "openbox did not start within 30 s:"
        sleep 0.1
    done
    # It claims the screen a moment before it handles the first map requests.
    sleep 1
fi

"$@"
status=$?
stop
exit $status
