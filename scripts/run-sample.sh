#!/usr/bin/env bash
# Lists the bundled sample folder in all three formats and as JSON with veldor-cli. The sample
# is copied to BUILD_DIR/sample first (replacing the last run's copy), so the source tree
# stays clean and nothing piles up elsewhere.
# Usage: scripts/run-sample.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program=$build/program

scratch=$build/sample
rm -rf "$scratch"
mkdir -p "$scratch"
cp -r samples/photos "$scratch/photos"
# A program folder of its own: the built one (help.html, template/) with the sample's
# settings (sorted by size, extended-text column on) and extended-text lists.
mkdir -p "$scratch/program"
cp -r "$program/help.html" "$program/template" "$scratch/program/"
cp samples/program/* "$scratch/program/"

cli=("$program/veldor-cli" --program-folder "$scratch/program" --yes)
status=0
for format in txt csv html json; do
  echo "== veldor-cli --format $format $scratch/photos"
  "${cli[@]}" --format "$format" "$scratch/photos" || status=$?
done
echo "== a dropped file"
"${cli[@]}" "$scratch/photos/map.png" || status=$?

echo
echo "== $scratch/photos/photos.txt (converted from CP932)"
iconv -f CP932 -t UTF-8 "$scratch/photos/photos.txt"
echo "== $scratch/photos/photos.csv (converted from CP932)"
iconv -f CP932 -t UTF-8 "$scratch/photos/photos.csv"
echo "== $scratch/photos/photos.json (UTF-8)"
cat "$scratch/photos/photos.json"
echo "== $scratch/photos/index.html is the HTML page"
echo
echo "The sample and its listings are in $scratch"
exit $status
