#!/usr/bin/env bash
# Source hygiene: includes run down the layers only, clang-format applied, no trailing
# whitespace, no CR, a final newline (CR LF inside message strings is data written as
# "\r\n", never a raw CR in a source). Prints the lines of tests against the lines of code.
# Given a build folder, also runs clang-tidy (.clang-tidy) over every source of that build
# except the tests, fuzz targets and benchmarks (tests/, fuzz/, bench/), findings as errors.
# Usage: scripts/lint.sh [BUILD_FOLDER]
#   BUILD_FOLDER  a configured and built folder (build-test, say): clang-tidy reads its
#                 compile_commands.json and the Qt sources its generated moc and ui headers.
# Exits 77 (skipped) when git or clang-format is missing.
set -euo pipefail
if [ $# -gt 1 ] || [[ ${1:-} == -* ]]; then
  echo "usage: scripts/lint.sh [BUILD_FOLDER]" >&2
  exit 2
fi
build=""
if [ $# -eq 1 ]; then
  build=$(cd "$1" && pwd)
fi
cd "$(dirname "$0")/.."
root=$(pwd)
# The file lists come from git.
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "lint: skipped, not a git work tree"
  exit 77
fi
if ! command -v clang-format >/dev/null; then
  echo "lint: skipped, clang-format is missing (scripts/install-deps.sh installs it)"
  exit 77
fi

status=0

# Which folders each folder may include from, besides itself. The core runs
# text -> platform -> engine -> template_rules, writers, checker -> listing -> settings_sheet;
# the front ends sit on top. Anything else is an include that runs upward or sideways.
# The build refuses most of these too (each library sees only its own folder and its
# dependencies' folders, cmake/VeldorHelpers.cmake), but not a header that only upper layers
# include, not a relative "../" include, and not the Win32 folders in a Linux build: this
# table is the written-down order, checked on every file.
declare -A may_include=(
  [text]=""
  [platform]="text"
  [engine]="platform text"
  [template_rules]="platform text"
  [writers]="engine template_rules platform text"
  [checker]="template_rules platform text"
  [listing]="writers engine template_rules platform text"
  [settings_sheet]="listing writers engine template_rules platform text"
  [cli]="listing checker writers engine template_rules platform text"
  [qt_common]="platform text"
  [lister_ui]="qt_common settings_sheet listing writers engine template_rules platform text"
  [checker_ui]="qt_common checker template_rules platform text"
  [win_common]="platform text"
  [lister_win]="win_common settings_sheet listing writers engine template_rules platform text"
  [checker_win]="win_common checker template_rules platform text"
)
# Folders above all layers: they may include any folder, and no layer includes them.
declare -A above_layers=([tools]=1 [tests]=1 [fuzz]=1 [bench]=1)
# A new top-level folder of sources has to take its place in one of the two first.
while read -r folder; do
  if [ -z "${may_include[$folder]+set}" ] && [ -z "${above_layers[$folder]+set}" ]; then
    echo "lint: $folder/ holds sources but is not in the layer table of scripts/lint.sh"
    status=1
  fi
done < <(git ls-files '*.cpp' '*.h' '*.c' | grep / | cut -d/ -f1 | sort -u)
if git ls-files '*.cpp' '*.h' '*.c' | grep -v /; then
  echo "lint: sources at the top of the tree belong in a folder of the layer table"
  status=1
fi
while IFS=: read -r file line target; do
  from=${file%%/*}
  to=${target%%/*}
  [ "$from" = "$to" ] && continue
  [ -n "${above_layers[$from]+set}" ] && continue
  if [ -n "${above_layers[$to]+set}" ]; then
    echo "lint: $file:$line includes $target: $from may not include $to"
    status=1
    continue
  fi
  [ -n "${may_include[$to]+set}" ] || continue  # not a folder of the tree
  case " ${may_include[$from]:-} " in
    *" $to "*) ;;
    *) echo "lint: $file:$line includes $target: $from may not include $to"; status=1 ;;
  esac
done < <(git grep -n -E '^#include "[a-z_]+/' -- '*.cpp' '*.h' |
  sed -E 's/^([^:]*):([0-9]+):#include "([^"]*)".*/\1:\2:\3/')
# A relative include climbs out of its folder past the layer check.
if git grep -n -E '^#include "(.*/)?\.\./' -- '*.cpp' '*.h' '*.c'; then
  echo "lint: includes above name their folder from the top of the tree, never \"../\""
  status=1
fi
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.c')
mapfile -t texts < <(git ls-files '*.cpp' '*.h' '*.c' '*.cmake' '*CMakeLists.txt' '*.sh' '*.md' '*.py' '.ci/run')

if ! clang-format --dry-run --Werror "${sources[@]}" 2>/dev/null; then
  echo "lint: not clang-formatted (run clang-format -i):"
  clang-format --dry-run "${sources[@]}" 2>&1 | grep -o '^[^:]*:[0-9]*' | sort -u | head -20
  status=1
fi
for file in "${texts[@]}"; do
  if grep -nE ' +$' "$file" >/dev/null; then echo "lint: trailing whitespace in $file"; status=1; fi
  if grep -q $'\r' "$file"; then echo "lint: CR in $file"; status=1; fi
  if [ -s "$file" ] && [ -n "$(tail -c 1 "$file")" ]; then echo "lint: no final newline in $file"; status=1; fi
done

# A shipped template links only to files beside its page: a file name such as
# "javascript:alert(1).png" must never become a link with a scheme.
if grep -aoH 'href="[^"]*"' data/program/template/*/*.html | grep -av ':href="\./'; then
  echo "lint: a shipped template links to something other than a file beside its page"
  status=1
fi

# Tests stay within a third or so of the code: non-blank, non-comment lines of C++ under
# tests/ and fuzz/ against the rest, bench/ left out of both.
count() { xargs -r cat | grep -c -v -E '^\s*(//.*)?$' || true; }
mapfile -t cxx < <(git ls-files '*.cpp' '*.h' '*.hpp' '*.cc' '*.c' | grep -v '^bench/')
code=$(printf '%s\n' "${cxx[@]}" | grep -v -E '^(tests|fuzz)/' | count)
tests=$(printf '%s\n' "${cxx[@]}" | grep -E '^(tests|fuzz)/' | count)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", c ? t / c : 0 }')
echo "lint: code $code lines, tests $tests lines, ratio $ratio (at most 0.35)"
if awk -v t="$tests" -v c="$code" 'BEGIN { exit !(t > 0.35 * c) }'; then
  echo "lint: tests are more than 0.35 of the code"
  status=1
fi
# clang-tidy over the build's own sources: tracked files of its compile_commands.json, which
# leaves out what the build generates (moc, rcc); tests/, fuzz/ and bench/ are left out too,
# their code exercises the checked code. The Win32 folders are built only with mingw-w64 and
# are not in a Linux build's list.
if [ -z "$build" ]; then
  echo "lint: clang-tidy skipped; run scripts/lint.sh build-test after building the dev preset" \
    "(cmake --preset dev && cmake --build --preset dev) to run it"
elif grep -q '^VELDOR_SANITIZE:BOOL=ON$' "$build/CMakeCache.txt" 2>/dev/null; then
  # The sanitized build compiles the same sources as the dev build, whose test runs it.
  echo "lint: clang-tidy skipped in the sanitized build $build; the dev build's lint runs it"
elif ! command -v clang-tidy >/dev/null; then
  echo "lint: clang-tidy is missing (scripts/install-deps.sh installs it)"
  status=1
elif [ ! -f "$build/compile_commands.json" ]; then
  echo "lint: $build has no compile_commands.json; configure it with a preset (cmake --preset dev)"
  status=1
else
  mapfile -t units < <(
    sed -n -E 's/^ *"file": "(.*)",?$/\1/p' "$build/compile_commands.json" |
      grep -F "$root/" | sed "s|^$root/||" | sort -u |
      comm -12 - <(git ls-files '*.cpp' '*.c' | sort) | grep -v -E '^(tests|fuzz|bench)/' || true)
  # The Qt sources include what AUTOMOC and AUTOUIC generate: the build must have run.
  missing=$({ grep -o -E -- "-I$build/[^ ]*_autogen/include" "$build/compile_commands.json" ||
    true; } | sort -u | sed 's/^-I//' | while read -r dir; do [ -d "$dir" ] || echo "$dir"; done)
  if [ ${#units[@]} -eq 0 ]; then
    echo "lint: no sources of the tree in $build/compile_commands.json"
    status=1
  elif [ -n "$missing" ]; then
    echo "lint: $build is not built (no ${missing%%$'\n'*}): cmake --build $build, then lint again"
    status=1
  else
    logs=$(mktemp -d)
    trap 'rm -rf "$logs"' EXIT
    started=$SECONDS
    # A source found clean is not read again while it, every header of the tree, the
    # compile commands, .clang-tidy and clang-tidy itself stay the same.
    cache=$build/clang-tidy-clean
    mkdir -p "$cache"
    common=$({ clang-tidy --version; cat .clang-tidy "$build/compile_commands.json"
      git ls-files -z '*.h' | xargs -0 cat; } | sha256sum | cut -c1-64)
    # One clang-tidy per source, as many at once as there are processors; each writes its
    # own log, so that the findings of two sources never interleave.
    printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -I{} sh -c \
      'key=$({ echo "$4"; echo "$2"; cat "$2"; } | sha256sum | cut -c1-64)
       [ -f "$5/$key" ] && exit 0
       log=$(mktemp "$3/tidy.XXXXXX")
       if clang-tidy --quiet -p "$1" "$2" >"$log" 2>&1; then touch "$5/$key"
       else echo "$2" >"$log.failed"; fi' sh "$build" {} "$logs" "$common" "$cache"
    echo "lint: clang-tidy checked ${#units[@]} sources in $((SECONDS - started)) s"
    # A header's findings come once per source that includes it; a header reached through
    # the build's include links is named by its place in the tree.
    findings=$(cat /dev/null "$logs"/tidy.* 2>/dev/null | grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error): ' |
      sed -E "s|^$build/include/[^/]+/||; s|^$root/||" | sort -u || true)
    if [ -n "$findings" ]; then
      printf '%s\n' "$findings"
      echo "lint: clang-tidy found the above (clang-tidy -p $build FILE shows each in its context)"
      status=1
    elif compgen -G "$logs/*.failed" >/dev/null; then
      for failed in "$logs"/*.failed; do
        echo "lint: clang-tidy failed on $(cat "$failed"):"
        tail -n 5 "${failed%.failed}"
      done
      status=1
    fi
  fi
fi
exit $status
