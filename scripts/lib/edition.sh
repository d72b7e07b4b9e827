#!/usr/bin/env bash
# Puts the open demo edition into the program folder of a build: documents, marking pictures,
# licences and stroke-order movies of every book, then the speech of the start grade, so the program
# can start; the speech of the other books and the handwriting pad's model follow in the background
# (QH_FULL=1: at once).
#   scripts/lib/edition.sh <bin dir>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bin="${1:?usage: edition.sh <bin dir>}"
tool="$bin/qinghe-edition"
log="$QH_ROOT/build/edition-speech.log"
pidfile="$QH_ROOT/build/edition-speech.pid"
model_tool="$bin/qinghe-handwriting-model"
model_log="$QH_ROOT/build/handwriting-model.log"
model_pidfile="$QH_ROOT/build/handwriting-model.pid"
[ -x "$tool" ] || die "the demo-edition generator $tool was not built"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

install_stroke_data

# A generator still busy from an earlier start would write the same files: wait for it. (Not a
# finished one left as a zombie, nor another program that got its process number since.)
busy() {
    local file="$1" name="$2"
    [ -f "$file" ] || return 1
    local state
    state="$(ps -o stat=,args= -p "$(cat "$file")" 2>/dev/null || true)"
    [[ -n "$state" && "$state" != Z* && "$state" == *"$name"* ]]
}
if busy "$pidfile" qinghe-edition; then
    say "Waiting for the speech still being made by an earlier start (build/edition-speech.log)"
    while busy "$pidfile" qinghe-edition; do sleep 1; done
fi
rm -f "$pidfile"

say "Making the demo edition: documents, pictures, licences, stroke-order movies"
"$tool" --out "$bin" --no-audio || die "making the demo edition failed (messages above)"

# The start grade of Set.ini (grade g is books 2g-1 and 2g); grade 1 when it names none.
grade="$(tr -d '\r' <"$bin/Data/systxt/Set.ini" 2>/dev/null |
    sed -n 's/^[[:space:]]*default_xinban[[:space:]]*=[[:space:]]*\([0-9]*\)[[:space:]]*$/\1/Ip' | head -n 1 || true)"
case "$grade" in
[1-6]) ;;
*) grade=1 ;;
esac
start="$((2 * grade - 1)),$((2 * grade))"
rest="$(seq 1 12 | grep -vxE "$((2 * grade - 1))|$((2 * grade))" | paste -sd, -)"

say "Making the speech of grade $grade (books $start)"
"$tool" --out "$bin" --books "$start" || die "making the speech of books $start failed (messages above)"

# The pad recognises with the stock model until ours is trained (cached: a model made from the same
# characters and stroke data is kept).
train_model() {
    [ -x "$model_tool" ] || return 0
    if busy "$model_pidfile" qinghe-handwriting-model; then
        say "The handwriting model is still being trained by an earlier start (build/handwriting-model.log)"
        return 0
    fi
    if [ "${QH_FULL:-0}" = 1 ]; then
        say "Training the handwriting pad's model"
        "$model_tool" --out "$bin" || die "training the handwriting model failed (messages above)"
    else
        nohup nice -n 10 "$model_tool" --out "$bin" >"$model_log" 2>&1 </dev/null &
        echo $! >"$model_pidfile"
        say "The handwriting pad's model is being trained in the background (log: build/handwriting-model.log)"
    fi
}

if [ "${QH_FULL:-0}" = 1 ]; then
    say "Making the speech of the other books ($rest)"
    "$tool" --out "$bin" --books "$rest" || die "making the speech of books $rest failed (messages above)"
    train_model
else
    mkdir -p "$(dirname "$log")"
    nohup "$tool" --out "$bin" --books "$rest" >"$log" 2>&1 </dev/null &
    echo $! >"$pidfile"
    say "The speech of the other books is being made in the background (log: build/edition-speech.log);"
    say "their lessons stay silent until it is done. scripts/run --full waits for it instead."
    train_model
fi
