#!/usr/bin/env bash
# The Windows terminal programs under Wine against the Linux ones, on the same inputs: the
# sample folder listed in each format, a dropped file and the templates checked. The written
# files must be the same bytes; the messages the same once each side's work folder is "@"
# and Windows' "\" is "/". Wine keeps no creation time of its own on Linux (it gives the
# modification time), so creation dates are set aside as "*" on both sides. Two files are
# dated before 1970 and after 3000.
# Usage: windows_run.sh LINUX_PROGRAM_DIR WINDOWS_PROGRAM_DIR SCRATCH_DIR
# (Wine as scripts/wine-env.sh sets it up.)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
linux=$1 windows=$2 scratch=$3
rm -rf "$scratch"
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

for side in linux windows; do
  mkdir -p "$scratch/$side/program"
  cp -rp "$root/samples/photos" "$scratch/$side/photos"
  cp -r "$root/data/program/." "$root/samples/program/." "$scratch/$side/program/"
  printf '<p>broken [@START@]\n' >"$scratch/$side/program/template/broken.html"
  # Times outside what the C library of Windows converts by itself.
  printf x >"$scratch/$side/photos/1969.jpg"
  printf xy >"$scratch/$side/photos/2500.jpg"
  touch -d '1969-12-31 12:34:56 UTC' "$scratch/$side/photos/1969.jpg"
  touch -d '2500-01-01 01:02:03 UTC' "$scratch/$side/photos/2500.jpg"
done
win_work=$(winepath -w "$scratch/windows")

# run SIDE text|json PROGRAM ARGS...: the program's messages, normalized, appended to
# SIDE/PROGRAM.out with its exit status.
run() {
  local side=$1 format=$2 program=$3
  shift 3
  local code=0 work=$scratch/linux separator=/
  if [ "$side" = linux ]; then
    (cd "$scratch/linux" && "$linux/$program" "$@") >"$scratch/out" 2>&1 </dev/null || code=$?
  else
    (cd "$scratch/windows" && wine "$windows/$program.exe" "$@") >"$scratch/out" 2>&1 </dev/null ||
      code=$?
    # As sed patterns: a "\" is "\\"; JSON writes each "\" as "\\", so there it is "\\\\".
    separator='\\'
    [ "$format" = json ] && separator='\\\\'
    work=${win_work//\\/"$separator"}  # quoted: bash 5.2 would unescape it
  fi
  sed -e "s|$work|@|g" -e "s|$separator|/|g" -e 's|作成日時 [0-9/: ]*|作成日時 *|' "$scratch/out" \
    >>"$scratch/$side/${program##*/}.out"
  echo "status $code" >>"$scratch/$side/${program##*/}.out"
}

for side in linux windows; do
  for format in txt csv html; do
    run "$side" json veldor-cli --program-folder program --format "$format" --messages json photos
  done
  run "$side" text veldor-cli --program-folder program photos/夕焼け.jpg
  run "$side" json template/tovrin-cli --messages json program/template/docomo/index.html
  run "$side" text template/tovrin-cli program/template/broken.html
  # The page's creation dates: "作成 " and a date, in Shift_JIS.
  LC_ALL=C sed -i 's|\x8d\xec\x90\xac [0-9/: ]*|*|g' "$scratch/$side/photos/index.html"
done

for file in photos/photos.txt photos/photos.csv photos/index.html veldor-cli.out tovrin-cli.out; do
  if [ ! -f "$scratch/linux/$file" ]; then
    fail "the Linux run wrote no $file"
  elif ! cmp -s "$scratch/linux/$file" "$scratch/windows/$file"; then
    fail "$file differs between Linux and Windows:"
    diff -a "$scratch/linux/$file" "$scratch/windows/$file" | head -20 >&2 || true
  fi
done
exit $status
