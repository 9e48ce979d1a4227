#!/bin/sh
# Runs a command on a private Xvfb display of the given size (WIDTHxHEIGHT), then stops it.
set -u
size=$1
shift
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
server=$!
tries=0
until [ -s "$scratch/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "with-xvfb: Xvfb did not start" >&2
        kill "$server" 2>/dev/null
        rm -rf "$scratch"
        exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY
unset XAUTHORITY
"$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$scratch"
exit $status
