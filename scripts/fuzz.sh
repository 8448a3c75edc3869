#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# included) and runs each for FUZZ_SECONDS (default 20) from a copy of its seed corpus in
# fuzz/corpus/<target>/. Prints each target's executions per second and in all; a finding
# fails the run, and its input is kept in build-fuzz/findings/ to be added to the corpus.
# The runs start from FUZZ_SEED (default 1), so that a run of CI can be repeated; give
# another seed to look further.
#
#   bash scripts/fuzz.sh
#   FUZZ_SECONDS=300 bash scripts/fuzz.sh settings_fuzz    # one target, longer
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-20}
seed=${FUZZ_SEED:-1}

bash "$root/scripts/install-deps.sh" --no-gui --fuzz
(cd "$root" && cmake --preset fuzz -B "$build" >/dev/null)
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  mapfile -t targets <"$build/fuzz-targets.txt"  # what the build defines
fi
if ! cmake --build "$build" --target "${targets[@]}" -- -j2 >"$build/build.log" 2>&1; then
  tail -n 30 "$build/build.log"
  exit 1
fi

mkdir -p "$build/findings"
# The targets write their scratch files thousands of times a second: keep them in memory.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi
status=0
printf '%-20s %12s %14s\n' target "exec/s" executions
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  cp -r "$root/fuzz/corpus/$target/." "$work/"
  # The shipped templates are seeds of the template target too.
  if [[ $target == template_fuzz ]]; then
    for carrier in docomo Vodafone au; do
      cp "$root/data/program/template/$carrier/index.html" "$work/shipped-$carrier.html"
    done
  fi
  log=$build/findings/$target.log
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -seed="$seed" -print_final_stats=1 \
      -artifact_prefix="$build/findings/$target-" "$work" >"$log" 2>&1; then
    echo "$target: FINDING (see $log and $build/findings/$target-*)"
    grep -m 3 -E 'ERROR|property broken|SUMMARY' "$log" || true
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  printf '%-20s %12s %14s\n' "$target" "${rate:-?}" "${runs:-?}"
  rm -rf "$work"
done
exit $status
