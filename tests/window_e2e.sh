#!/usr/bin/env bash
# Starts the real program under a private Xvfb, waits for its window, closes
# it as a user would and expects exit status 0. Every process it starts is
# stopped by PID; the program runs under its own D-Bus session, so no bus
# daemon outlives it.
# With EXPECTED_MESSAGE, the program's standard error must be that one line.
# Usage: window_e2e.sh PROGRAM CLOSE_WINDOW [EXPECTED_MESSAGE]
set -u
program=$1
closer=$2
expected=${3-}

work=$(mktemp -d)
xvfb=
app=
cleanup() {
    # The program, its D-Bus session and anything they started share one group.
    [ -n "$app" ] && kill -- "-$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
echo "Xvfb on $DISPLAY"

QT_QPA_PLATFORM=xcb setsid dbus-run-session -- "$program" 2>"$work/app.log" &
app=$!

if ! "$closer" Quillomar 570 392 30; then
    echo "FAIL: the window did not appear as expected"; cat "$work/app.log"; exit 1
fi
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    echo "FAIL: the program did not end after its window was closed"; exit 1
fi
wait "$app"
status=$?
app=
echo "exit status $status"
[ "$status" -eq 0 ] || { cat "$work/app.log"; exit 1; }
# Only the program's own lines count; the bus daemon may add its own.
messages=$(grep '^quillomar:' "$work/app.log")
if [ "$messages" != "$expected" ]; then
    echo "FAIL: standard error was:"; cat "$work/app.log"; echo "expected: $expected"; exit 1
fi
[ -n "$expected" ] && echo "message: $messages"
echo "PASS: window opened at 570x392 and closed with exit status 0"
