#!/usr/bin/env bash
# Makes a payload archive of about MB megabytes: the demo programs plus filler, half
# incompressible and half text, packed like the real payload.
#   make-payload.sh FILES_DIR MB OUT
set -euo pipefail
files=$1 mb=$2 out=$3
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cp "$files"/* "$work/"
mkdir -p "$work/media"
for i in $(seq 1 $((mb / 2))); do
  head -c 1048576 /dev/urandom >"$work/media/clip$i.dat"
  seq $((i * 100000)) $((i * 100000 + 140000)) | sed 's/$/ tavio subtitle line/' | head -c 1048576 >"$work/media/sub$i.txt" || true
done
rm -f "$out"
(cd "$work" && 7z a -bd -bso0 -t7z -mhe=on '-pqwrtnxb$$' "$out" .)
