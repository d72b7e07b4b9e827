#!/usr/bin/env bash
# Runs the program on the current X display until its first lesson is shown, lets the movies settle,
# saves a screenshot of the screen and ends the program.
set -euo pipefail
program="$1"
shot="$2"
log="$(mktemp)"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
QINGHE_TRACE_STARTUP=1 "$program" 2>"$log" &
pid=$!
for _ in $(seq 1 600); do
    if grep -q 'lesson-shown' "$log" || ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
sleep "${QH_SCREENSHOT_DELAY:-3}"
import -window root "$shot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
rm -f "$log"
