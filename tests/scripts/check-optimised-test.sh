#!/usr/bin/env bash
# scripts/check-optimised against compile commands made up for one source of src/: the
# compiler takes the last -O it is given.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0

# name | flags | expected exit
cases=(
  "size and no asserts|-Os -DNDEBUG|0"
  "a later -O2 wins over -O0|-O0 -O2 -DNDEBUG|0"
  "a later -O0 wins over -Os|-Os -DNDEBUG -O0|1"
  "no level at all|-DNDEBUG|1"
  "asserts left on|-O3|1"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name flags want_rc <<<"$case"
  printf '[{"directory": "%s", "file": "%s/src/app/Main.cpp", "command": "g++ %s -c Main.cpp"}]\n' \
    "$root" "$root" "$flags" >"$work/compile_commands.json"
  out=$("$root/scripts/check-optimised" "$work/compile_commands.json" 2>&1); rc=$?
  if [ "$rc" = "$want_rc" ]; then echo "ok: $name"
  else echo "FAILED: $name (exit $rc, wanted $want_rc)"; echo "$out" | sed 's/^/    /'; failures=$((failures + 1)); fi
done
echo "$(( ${#cases[@]} - failures )) passed, $failures failed"
[ "$failures" = 0 ]
