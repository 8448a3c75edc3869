#!/usr/bin/env bash
# Measures veldor-cli writing the txt and csv listings and the HTML page (the shipped
# docomo template) of large folders against the reference lister, ls -l and find | sort,
# alternating the programs in each round, and checks the targets: txt and csv within 1.15x
# the reference's time and 1.3x its peak memory, the page within 1.5x the txt listing's
# time, and the larger folder's txt time within 3.2x the smaller's (for three times the files).
#
#   bench/run.sh                 # 100,000 and 300,000 files, 7 rounds
#   BENCH_RUNS=3 BENCH_SIZES="20000 60000" bench/run.sh
#
# BENCH_SCRATCH (default: a new folder under /tmp) holds the tools and the folders;
# BENCH_BUILD (default: build-bench in the repository) is the Release build.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
shared=$root/../shared/bench
runs=${BENCH_RUNS:-7}
sizes=${BENCH_SIZES:-"100000 300000"}
build=${BENCH_BUILD:-$root/build-bench}
if [[ -n ${BENCH_SCRATCH:-} ]]; then
  scratch=$BENCH_SCRATCH
  mkdir -p "$scratch"
else
  scratch=$(mktemp -d /tmp/veldor-bench.XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
fi

echo "== building tools into $scratch"
gcc -O2 -o "$scratch/make-folder" "$shared/make-folder.c"
g++ -O2 -o "$scratch/reference-lister" "$shared/reference-lister.cpp"
gcc -O2 -o "$scratch/measure" "$root/bench/measure.c"

echo "== building veldor-cli (Release) in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELDOR_GUI=OFF \
  -DVELDOR_BUILD_TESTS=OFF >/dev/null
targets=(veldor-cli)
known=$(ninja -C "$build" -t targets all 2>/dev/null)
for extra in veldor-sort-bench veldor-template-bench veldor-render-bench veldor-load-bench; do
  if grep -q "^$extra:" <<<"$known"; then targets+=("$extra"); fi
done
cmake --build "$build" --target "${targets[@]}" -- -j2 >/dev/null
cli=$(find "$build" -name veldor-cli -type f -perm -u+x | head -n 1)
program=$scratch/program
mkdir -p "$program"
mkdir -p "$program/template" && cp -r "$root/data/program/template/." "$program/template/"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

programs=("veldor-cli" "veldor-cli csv" "veldor-cli html" "reference-lister" "ls -l" "find | sort")

# Runs one program on `dir` under `measure`: prints seconds, peak KiB and exit status.
run_one() {
  local name=$1 dir=$2
  case $name in
    veldor-cli)
      "$scratch/measure" "$cli" --program-folder "$program" --yes --format txt --messages json "$dir" ;;
    "veldor-cli csv")
      "$scratch/measure" "$cli" --program-folder "$program" --yes --format csv --messages json "$dir" ;;
    "veldor-cli html")
      "$scratch/measure" "$cli" --program-folder "$program" --yes --format html --carrier docomo \
        --messages json "$dir" ;;
    reference-lister)
      "$scratch/measure" "$scratch/reference-lister" "$dir" "$scratch/reference.txt" ;;
    "ls -l")
      "$scratch/measure" ls -l "$dir" ;;
    "find | sort")
      "$scratch/measure" sh -c \
        'find "$1" -maxdepth 1 -printf "%f %s %TY/%Tm/%Td %TH:%TM:%TS\n" | LC_ALL=C sort' sh "$dir" ;;
  esac
}

key_of() { local k=${1//[^a-z]/_}; echo "$k"; }

declare -A time_median mem_median
verdicts=()
# Records "ok" or "MISSED" for a measured ratio against its target.
check() {
  local what=$1 value=$2 target=$3
  if awk -v v="$value" -v t="$target" 'BEGIN { exit !(v <= t) }'; then
    verdicts+=("ok      $what: $value (target $target)")
  else
    verdicts+=("MISSED  $what: $value (target $target)")
  fi
}
for size in $sizes; do
  dir=$scratch/folder-$size
  [[ -d $dir ]] || "$scratch/make-folder" "$dir" "$size" 12345
  # One unmeasured round warms the cache and creates the program folder's lists.
  for name in "${programs[@]}"; do run_one "$name" "$dir" >/dev/null; done
  rm -f "$scratch"/samples.*
  for ((round = 1; round <= runs; round++)); do
    for name in "${programs[@]}"; do
      read -r seconds kib status < <(run_one "$name" "$dir")
      if [[ $status != 0 ]]; then echo "$name failed with status $status" >&2; exit 1; fi
      echo "$seconds" >>"$scratch/samples.time.$(key_of "$name")"
      echo "$kib" >>"$scratch/samples.mem.$(key_of "$name")"
    done
  done
  echo
  echo "== $size files, median of $runs rounds (ratios to reference-lister)"
  printf '%-18s %10s %8s %12s %8s\n' program seconds ratio "peak KiB" ratio
  ref_time=$(median <"$scratch/samples.time.reference_lister")
  ref_mem=$(median <"$scratch/samples.mem.reference_lister")
  for name in "${programs[@]}"; do
    key=$(key_of "$name")
    t=$(median <"$scratch/samples.time.$key")
    m=$(median <"$scratch/samples.mem.$key")
    time_median[$key.$size]=$t
    mem_median[$key.$size]=$m
    printf '%-18s %10.3f %7sx %12d %7sx\n' "$name" "$t" "$(ratio "$t" "$ref_time")" "$m" \
      "$(ratio "$m" "$ref_mem")"
  done
  for key in veldor_cli veldor_cli_csv; do
    check "$key time / reference, $size files" "$(ratio "${time_median[$key.$size]}" "$ref_time")" 1.15
    check "$key peak memory / reference, $size files" \
      "$(ratio "${mem_median[$key.$size]}" "$ref_mem")" 1.30
  done
  check "veldor_cli_html time / veldor_cli time, $size files" \
    "$(ratio "${time_median[veldor_cli_html.$size]}" "${time_median[veldor_cli.$size]}")" 1.50
done

set -- $sizes
if [[ $# -ge 2 ]]; then
  small=$1 large=$2
  echo
  printf 'veldor-cli time %s / %s files: %s (file count ratio %s)\n' "$large" "$small" \
    "$(ratio "${time_median[veldor_cli.$large]}" "${time_median[veldor_cli.$small]}")" \
    "$(ratio "$large" "$small")"
  check "veldor_cli time $large / $small files" \
    "$(ratio "${time_median[veldor_cli.$large]}" "${time_median[veldor_cli.$small]}")" \
    "$(awk -v l="$large" -v s="$small" 'BEGIN { printf "%.2f", 3.2 * l / s / 3 }')"
fi
echo
echo "== targets (machine load: $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%s\n' "${verdicts[@]}"

for extra in veldor-sort-bench veldor-template-bench veldor-render-bench veldor-load-bench; do
  binary=$(find "$build" -name "$extra" -type f -perm -u+x | head -n 1)
  if [[ -n $binary ]]; then
    echo
    echo "== $extra"
    "$binary"
  fi
done
