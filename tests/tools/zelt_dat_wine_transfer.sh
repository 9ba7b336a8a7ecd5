#!/usr/bin/env bash
# zelt-dat.exe under Wine against the native zelt-machine over TCP: a
# Download of the sample image, then an Upload of a data file, checked
# against what the machine saves when it is stopped.
# usage: zelt_dat_wine_transfer.sh ZELT_MACHINE EMULATOR ZELT_DAT_EXE UPLOAD_FILE
# Exits 77 (skipped) when the native build's zelt-machine is missing.
set -u
machine=$1 emulator=$2 zeltDat=$3 uploadFile=$4
if [ ! -x "$machine" ]; then
  echo "skipped: no native zelt-machine at $machine (build the native preset first)"
  exit 77
fi
work=$(mktemp -d)
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$machine" --port 0 --image "$work/machine.dat" >"$work/machine.out" &
pid=$!
for _ in $(seq 50); do
  [ -s "$work/machine.out" ] && break
  sleep 0.1
done
port=$(sed -n '1s/.*://p' "$work/machine.out")
[ -n "$port" ] || fail "zelt-machine did not start"
export ZELT_MACHINE_ADDRESS=127.0.0.1:$port
# The machine's image from before the upload goes here, never into the
# prefix's profile.
export ZELT_SNAPSHOT_FOLDER="Z:$work/snapshots"

"$emulator" "$zeltDat" download "Z:$work/downloaded.dat" || fail "download"
"$machine" --write-sample "$work/sample.dat" || fail "write-sample"
cmp "$work/downloaded.dat" "$work/sample.dat" || fail "downloaded image differs from the sample"

"$emulator" "$zeltDat" upload "Z:$uploadFile" || fail "upload"
cmp "$work/snapshots/"*" Reception.DAT" "$work/sample.dat" || fail "no snapshot of the machine's image"
kill -TERM "$pid" && wait "$pid" || fail "zelt-machine did not end cleanly"
pid=
# Slots 0-2 (information records and 0x10a00) are never uploaded.
skipped=$((3 * 140))
cmp <(tail -c +$((skipped + 1)) "$work/machine.dat") <(tail -c +$((skipped + 1)) "$uploadFile") ||
  fail "the machine does not hold the uploaded records"
"$emulator" "$zeltDat" download "Z:$work/unused.dat" >/dev/null 2>&1 && fail "download without a machine"
echo "zelt-dat.exe download and upload against zelt-machine: passed"
