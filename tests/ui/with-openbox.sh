#!/bin/sh
# Runs a command on the current X display with openbox managing it, then stops openbox.
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# openbox is ready once it has claimed the screen.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "with-openbox: openbox did not start" >&2
        kill "$wm" 2>/dev/null
        exit 1
    fi
    sleep 0.1
done
# It claims the screen a moment before it handles the first map requests.
sleep 1
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $status
