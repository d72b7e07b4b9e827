#!/bin/sh
# Makes the MP3 fixtures of the audio tests from generated speech. Run once; the results are committed.
# Needs espeak-ng, sox and lame.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

speak() { # name text
    espeak-ng -v cmn-latn-pinyin -s 150 -w "$tmp/$1.wav" "$2"
}

# One syllable, mono 44.1 kHz: the everyday case of a character's reading.
speak tian "tiān"
lame --quiet -b 32 --resample 44.1 "$tmp/tian.wav" tian.mp3

# A sentence of a few seconds, mono 44.1 kHz: byte ranges and seeking inside a longer file.
speak sentence "wǒ men ài xué xí, tiān tiān dú shū, xiě zì."
lame --quiet -b 32 --resample 44.1 "$tmp/sentence.wav" sentence.mp3

# Stereo at 22.05 kHz: the mixer has to convert both the rate and the channel count.
speak hao "hǎo"
sox "$tmp/hao.wav" -c 2 "$tmp/hao_stereo.wav"
lame --quiet -b 32 -m j --resample 22.05 "$tmp/hao_stereo.wav" hao_stereo_22k.mp3
