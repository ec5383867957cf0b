#!/usr/bin/env bash
# Usage: layering_check.sh COMPILER BELOW ABOVE -I... : with one layer's include roots, a header
# of a layer below it must compile and a header of a layer above it must not be found at all.
set -u
cxx=$1 below=$2 above=$3
shift 3
compile() { echo "#include \"$1\"" | "$cxx" -std=c++20 -fsyntax-only "${@:2}" -x c++ - 2>&1; }
if ! out=$(compile "$below" "$@"); then
  echo "$below does not compile from this layer: $out"
  exit 1
fi
if out=$(compile "$above" "$@"); then
  echo "$above, from a layer above, compiles from this one"
  exit 1
fi
grep -qE "No such file|file not found" <<<"$out" || { echo "$above failed for another reason: $out"; exit 1; }
echo "$below compiles; $above is not there"
