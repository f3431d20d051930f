#!/usr/bin/env bash
# scripts/check-layers against small trees: one that keeps the layering, one with an
# include against it, one with two files of a folder including each other.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0

# name | files (path:included path,...) | expected exit | a line the output must hold
cases=(
  "layered|base/Text.h: ui/Page.h:base/Text.h ui/Page.cpp:ui/Page.h|0|0 wrong-way includes, 0 include loops"
  "wrong way|base/Text.cpp:ui/Page.h ui/Page.h:|1|wrong way: base/Text.cpp:1: base includes \"ui/Page.h\""
  "loop|ui/Page.h:ui/Control.h ui/Control.h: ui/Control.cpp:ui/Page.h|1|include loop: ui/Control <-> ui/Page"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name files want_rc want_line <<<"$case"
  tree=$work/src; rm -rf "$tree"
  for file in $files; do
    path=${file%%:*} includes=${file#*:}
    mkdir -p "$tree/$(dirname "$path")"
    : >"$tree/$path"
    for include in ${includes//,/ }; do echo "#include \"$include\"" >>"$tree/$path"; done
  done
  out=$("$root/scripts/check-layers" "$tree" 2>&1); rc=$?
  if [ "$rc" = "$want_rc" ] && grep -qF -- "$want_line" <<<"$out"; then
    echo "ok: $name"
  else
    echo "FAILED: $name (exit $rc, wanted $want_rc and \"$want_line\")"; echo "$out" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
done
echo "$((${#cases[@]} - failures)) passed, $failures failed"
[ "$failures" = 0 ]
