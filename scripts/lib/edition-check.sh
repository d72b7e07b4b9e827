#!/usr/bin/env bash
# Makes the demo edition with the build's generator in a temporary folder and lints it:
# documents and stroke-order movies of every book, recordings of book 1 only (the generator makes
# speech for book 1 alone, so the check stays fast). Fails when the linter finds an error.
#   scripts/lib/edition-check.sh <build dir>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build="${1:?usage: edition-check.sh <build dir>}"
bin="$build/bin"
for tool in qinghe-edition qinghe-lint; do
    if [ ! -x "$bin/$tool" ]; then
        warn "edition-check: $bin/$tool is not built"
        exit 1
    fi
done

install_stroke_data
out="$(mktemp -d "${TMPDIR:-/tmp}/qinghe-edition-check.XXXXXX")"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

say "Generating the demo edition (no speech) into $out"
"$bin/qinghe-edition" --out "$out" --no-audio
say "Generating the speech of book 1"
"$bin/qinghe-edition" --out "$out" --books 1
say "Linting the demo edition (recordings of book 1)"
"$bin/qinghe-lint" --audio-books 1 "$out"
