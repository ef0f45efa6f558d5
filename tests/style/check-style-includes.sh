#!/usr/bin/env bash
# scripts/check-style --includes on a small tree of its own: every spelling of
# an include against the room order fails, in a file not yet committed too,
# and a tree that keeps the order passes.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/src/common" "$work/src/layout/ui" "$work/src/verify"
cp "$source_dir/scripts/check-style" "$work/scripts/"
printf 'common\nlayout\nverify\n' >"$work/src/layers.txt"
: >"$work/src/common/Text.h"
: >"$work/src/verify/Sha256.h"
: >"$work/src/layout/ui/Bar.h"
printf '#include "common/Text.h"\n#include <vector>\n#include <sys/stat.h>\n' >"$work/src/layout/Good.cpp"
git -C "$work" init -q
git -C "$work" add src/layers.txt src/common src/verify src/layout/Good.cpp

failures=0
check() { # what, include line, expected message ("" for none)
  printf '%s\n' "$2" >"$work/src/layout/Probe.cpp"
  local out rc=0
  out=$(cd "$work" && scripts/check-style --includes 2>&1) || rc=$?
  if [ -z "$3" ]; then
    if [ $rc -ne 0 ]; then echo "FAIL $1: refused: $out"; failures=$((failures + 1)); fi
  elif [ $rc -eq 0 ] || [[ $out != *"$3"* ]]; then
    echo "FAIL $1: rc $rc, said: $out"
    failures=$((failures + 1))
  else
    echo "ok   $1: $out"
  fi
}
check "room path" '#include "verify/Sha256.h"' "layout includes verify/Sha256.h"
check "brackets" '#include <verify/Sha256.h>' "layout includes verify/Sha256.h"
check "relative" '#include "../verify/Sha256.h"' "layout includes verify/Sha256.h"
check "spaced" '#  include "verify/Sha256.h"' "layout includes verify/Sha256.h"
check "space after hash" '  # include "../verify/Sha256.h"' "layout includes verify/Sha256.h"
check "ui from core" '#include "ui/Bar.h"' "core of layout includes the window code layout/ui/Bar.h"
check "qt in core" '#include <QString>' "core of layout includes a Qt header"
check "out of src" '#include "../../scripts/check-style"' "lies outside src/"
check "lower room" '#include "../common/Text.h"' ""
check "own room" '#include "Good.cpp"' ""
echo "$((10 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
