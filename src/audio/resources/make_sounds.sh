#!/bin/sh
# Makes the two embedded interface sounds. Run once; the WAV files are committed.
# Needs sox.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# "ok": a rising two-note chime (E5 then A5), soft sine with a little second harmonic, 0.3 s.
sox -n -r 22050 -b 16 -c 1 "$tmp/n1.wav" synth 0.12 sine 659.25 synth 0.12 sine mix 1318.5 fade q 0.005 0.12 0.06 vol 0.55
sox -n -r 22050 -b 16 -c 1 "$tmp/n2.wav" synth 0.18 sine 880 synth 0.18 sine mix 1760 fade q 0.005 0.18 0.12 vol 0.55
sox "$tmp/n1.wav" "$tmp/n2.wav" -b 16 ok.wav

# "wrong": a soft low buzz, two slightly detuned low tones through a low-pass, 0.3 s.
sox -n -r 22050 -b 16 -c 1 wrong.wav synth 0.3 square 150 synth 0.3 square mix 155 vol 0.35 lowpass 900 fade q 0.01 0.3 0.1
