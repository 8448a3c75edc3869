#!/usr/bin/env bash
# The README's commands where they meet a machine that is not ready for them.
# Usage: scripts_test.sh CASE BUILD_DIR   (exit 77: the case cannot run here)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

case $1 in
  unknown-option)
    # Refused before anything is installed or built.
    err=$(bash "$root/scripts/test.sh" --sanitise 2>&1 >/dev/null)
    [ $? -eq 2 ] || fail "test.sh --sanitise did not exit 2"
    [ "$err" = $'test.sh: unknown option or argument: --sanitise\nusage: scripts/test.sh [--sanitize | --windows]' ] ||
      fail "unexpected message: $err"
    ;;
  no-sudo)
    # A plain user whose sudo would ask for a password with no terminal to ask on.
    stubs=$(mktemp -d)
    trap 'rm -rf "$stubs"' EXIT
    printf '#!/bin/sh\nexit 1\n' >"$stubs/dpkg-query"  # every package missing
    # A copy of the script that user may read: the clone may sit in a folder only root can.
    cp "$root/scripts/install-deps.sh" "$stubs/install-deps.sh"
    printf '#!/bin/sh\necho "sudo: a password is required" >&2\nexit 1\n' >"$stubs/sudo"
    chmod 755 "$stubs" "$stubs/dpkg-query" "$stubs/sudo" "$stubs/install-deps.sh"
    as_user=()
    if [ "$(id -u)" -eq 0 ]; then
      command -v setpriv >/dev/null || exit 77
      as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    err=$("${as_user[@]}" env PATH="$stubs:/usr/bin:/bin" bash "$stubs/install-deps.sh" \
      </dev/null 2>&1 >/dev/null)
    code=$?
    [ $code -eq 1 ] || fail "install-deps.sh exited $code instead of 1: $err"
    [[ $err == "scripts/install-deps.sh installs the Debian packages the build needs and cannot"*": missing cmake "*"; run it as root, or install and set up sudo" ]] ||
      fail "unexpected message: $err"
    ;;
  no-display)
    # The main job falls back to the sample when the display cannot be opened.
    [ -x "$build/program/veldor" ] || exit 77
    # Its scratch copy goes into the build, nothing into the temporary folder.
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    out=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:4242 TMPDIR="$tmp" timeout 120 \
      bash "$root/scripts/start.sh" "$build" 2>"$build/no-display.err")
    [ $? -eq 0 ] || fail "start.sh failed: $(cat "$build/no-display.err")"
    grep -qx "start.sh: the display cannot be opened; listing the bundled sample instead" \
      "$build/no-display.err" || fail "no fallback note: $(cat "$build/no-display.err")"
    [[ $out == *"== veldor-cli --format html"* ]] || fail "the sample was not listed: $out"
    [ -s "$build/sample/photos/photos.csv" ] || fail "no listing in $build/sample"
    [ -z "$(ls -A "$tmp")" ] || fail "left behind in the temporary folder: $(ls -A "$tmp")"
    ;;
  install)
    # Links in bin that find their program folder, the manual pages, and desktop entries that
    # Debian's validator accepts; the uninstall target leaves the prefix as it was.
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix" "$build/install_folders.txt"' EXIT
    mkdir -p "$prefix/share/man" "$prefix/Trip" && printf x >"$prefix/Trip/a.jpg"
    cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
    [ "$("$prefix/bin/veldor-cli" --version)" = "veldor-cli $(cat "$build/version")" ] ||
      fail "no veldor-cli in bin"
    "$prefix/bin/veldor-cli" --format html --yes "$prefix/Trip" >/dev/null &&
      [ -s "$prefix/Trip/index.html" ] || fail "veldor-cli in bin did not find its templates"
    "$prefix/bin/tovrin-cli" "$prefix/lib/veldor/template/docomo/index.html" >/dev/null ||
      fail "tovrin-cli in bin failed"
    for page in veldor-cli tovrin-cli; do
      zgrep -q "\"veldor $(cat "$build/version")\"" "$prefix/share/man/man1/$page.1.gz" ||
        fail "no manual page $page.1.gz of this version"
    done
    if [ -x "$build/program/veldor" ]; then
      command -v desktop-file-validate >/dev/null || exit 77
      [ -x "$prefix/bin/veldor" ] && [ -x "$prefix/bin/tovrin" ] || fail "no desktop programs in bin"
      desktop-file-validate "$prefix"/share/applications/*.desktop || fail "invalid desktop entry"
    fi
    printf 'saved\r\n' >"$prefix/lib/veldor/quorsel.ini"  # as the desktop program saves it
    rm -r "$prefix/Trip"
    cmake --build "$build" --target uninstall >/dev/null || fail "the uninstall target failed"
    left=$(cd "$prefix" && find . -mindepth 1 | sort | tr '\n' ' ')
    [ "$left" = "./share ./share/man " ] || fail "the uninstall left: $left"
    ;;
  *) fail "unknown case $1" ;;
esac
