#!/usr/bin/env bash
# Makes a payload that takes seconds to unpack while staying small: the demo programs
# and 8 MB of filler (half incompressible, half text) packed with PPMd at its highest
# order, whose decoder is as slow as its encoder. A person can quit in the middle of it.
#   make-slow-payload.sh FILES_DIR OUT
set -euo pipefail
files=$1 out=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cp "$files"/* "$work/"
mkdir -p "$work/media"
for i in 1 2 3 4; do
  head -c 1048576 /dev/urandom >"$work/media/clip$i.dat"
  seq $((i * 100000)) $((i * 100000 + 140000)) | sed 's/$/ tavio subtitle line/' | head -c 1048576 >"$work/media/sub$i.txt" || true
done
rm -f "$out"
(cd "$work" && 7z a -bd -bso0 -t7z -mhe=on '-pqwrtnxb$$' -m0=PPMd:o=32:mem=16m "$out" .)
