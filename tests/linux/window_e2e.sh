#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under a private Xvfb, waits for its window, closes
# it as a user would and expects exit status 0. The program runs in a process
# group of its own, stopped whatever happens.
# Its standard error must be EXPECTED_MESSAGE, one line, or empty without it.
# Usage: window_e2e.sh PROGRAM CLOSE_WINDOW [EXPECTED_MESSAGE]
set -u
if [ -z "${QUILLOMAR_E2E_XVFB-}" ]; then
    QUILLOMAR_E2E_XVFB=1 exec "$(dirname "$0")/../../tools/with-xvfb" "$0" "$@"
fi
program=$1
closer=$2
expected=${3-}

log=$(mktemp)
app=
cleanup() {
    [ -n "$app" ] && kill -- "-$app" 2>/dev/null
    rm -f "$log"
}
trap cleanup EXIT
echo "Xvfb on $DISPLAY"

setsid "$program" 2>"$log" &
app=$!
if ! "$closer" Quillomar 570 392 30; then
    echo "FAIL: the window did not appear as expected"; cat "$log"; exit 1
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
[ "$status" -eq 0 ] || { cat "$log"; exit 1; }
messages=$(cat "$log")
if [ "$messages" != "$expected" ]; then
    echo "FAIL: standard error was:"; cat "$log"; echo "expected: $expected"; exit 1
fi
[ -n "$expected" ] && echo "message: $messages"
echo "PASS: window opened at 570x392 and closed with exit status 0"
