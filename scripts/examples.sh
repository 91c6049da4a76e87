#!/usr/bin/env bash
# Writes the result files of every circuit in examples/ (".fdt", ".par") with
# the engine of build/ (run scripts/build.sh first). The engine runs as a
# copy in a temporary folder, so no tervox.ini of a build is touched and no
# running Tervox is told.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/bin/Vimlo "$work/"
for circuit in examples/*.crc; do
  name=$(basename "$circuit" .crc)
  cp "$circuit" "$work/"
  if ! QT_QPA_PLATFORM=offscreen "$work/Vimlo" "$work/$name.crc" >/dev/null 2>"$work/log"; then
    cat "$work/log" >&2
    exit 1
  fi
  cp "$work/$name.fdt" "$work/$name.par" examples/
done
