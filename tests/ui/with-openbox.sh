#!/bin/sh
# Runs a command on the current X display with openbox managing it, then stops openbox.
set -u
log=$(mktemp)
start_openbox() {
    openbox --sm-disable >"$log" 2>&1 &
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
    if [ "$tries" -gt 300 ]; then
        echo "with-openbox: openbox did not start within 30 s:" >&2
        cat "$log" >&2
        kill "$wm" 2>/dev/null
        rm -f "$log"
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
rm -f "$log"
exit $status
