#!/usr/bin/env bash
# release_code_test.sh TESTED_BUILD RELEASE_BUILD
# The release build's programs must be the tested build's programs without
# their debug information: the same code, data and resources, byte for byte.
# The whole Wine suite runs against the tested build; this check is what
# carries its result over to what users get. It fails as soon as the two
# builds' compiler or linker options differ in anything but -g and -s.
set -euo pipefail
tested=$1
release=$2
objdump=x86_64-w64-mingw32-objdump
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for program in bin/Zelt.exe tools/zelt-dat.exe; do
  x86_64-w64-mingw32-strip -o "$work/tested.exe" "$tested/$program"
  # Section table and every section's bytes; the file header's link time
  # and checksum are left out.
  "$objdump" -h -s "$work/tested.exe" | tail -n +3 >"$work/tested.txt"
  "$objdump" -h -s "$release/$program" | tail -n +3 >"$work/release.txt"
  if cmp -s "$work/tested.txt" "$work/release.txt"; then
    echo "$program: the release's code and data are the tested build's"
  else
    echo "FAIL: $program of the release differs from the tested build's:" >&2
    diff "$work/tested.txt" "$work/release.txt" | head -5 >&2
    status=1
  fi
done
exit $status
