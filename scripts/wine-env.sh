# Sourced, not run: sets up Wine for the Windows build in BUILD (default build-win) and
# starts its wineserver.
#   source scripts/wine-env.sh [BUILD]
# - a private WINEPREFIX in BUILD/wine, so nothing of the user's own Wine is touched;
# - WINEDEBUG=-all: Wine's notes about itself are no test output;
# - WINEDLLOVERRIDES without mscoree and mshtml: the prefix is made without asking to
#   download .NET or Gecko;
# - a Japanese locale (ja_JP.UTF-8) built with localedef into BUILD/locale, as the programs'
#   users have it, without touching the system's locales;
# - Wine's own fonts and the IPA Gothic fonts in the prefix, the latter standing in for the
#   Japanese Windows fonts the dialogs name ("ＭＳ Ｐゴシック" and the like);
# - wineserver and Wine's own services started at once with their output on /dev/null:
#   started by the first test they would inherit CTest's pipes and keep CTest waiting for
#   them forever. Without DISPLAY they stay headless, as tests want. `wine_end` ends
#   them and removes the folder Wine's server keeps in /tmp.
wine_build=$(cd "${1:-build-win}" && pwd)
export WINEPREFIX=$wine_build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$wine_build/locale
if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
  mkdir -p "$LOCPATH"
  # localedef warns about details of the source files; only a missing result matters.
  localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" >/dev/null 2>&1 || true
  [ -d "$LOCPATH/ja_JP.UTF-8" ] || { echo "wine-env.sh: localedef could not make ja_JP.UTF-8" >&2; return 1; }
fi
export LANG=ja_JP.UTF-8
unset LC_ALL
mkdir -p "$WINEPREFIX"
# One that already runs for this prefix (a run before this one) serves as well.
wineserver -p >/dev/null 2>&1 </dev/null || true
if [ ! -f "$WINEPREFIX/.update-timestamp" ]; then
  wineboot --init >/dev/null 2>&1 </dev/null
fi
wine cmd /c exit >/dev/null 2>&1 </dev/null
wine_fonts=$WINEPREFIX/drive_c/windows/Fonts
# Wine's own fonts (Marlett draws the title bar's buttons), as a Windows prefix has them.
if [ ! -f "$wine_fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/*.ttf "$wine_fonts/"
fi
if [ ! -f "$wine_fonts/ipagp.ttf" ] && [ -f /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf ]; then
  cp /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf \
    /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$wine_fonts/"
  for replacement in "MS PGothic=IPAPGothic" "ＭＳ Ｐゴシック=IPAPGothic" "MS UI Gothic=IPAPGothic" \
    "MS Gothic=IPAGothic" "ＭＳ ゴシック=IPAGothic"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${replacement%%=*}" \
      /d "${replacement#*=}" /f >/dev/null 2>&1 </dev/null
  done
fi

# Ends this prefix's wineserver and removes the folder it keeps in /tmp, which Wine puts
# there whatever TMPDIR says (/tmp/.wine-<uid>/server-<device>-<inode of the prefix>).
wine_end() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  local base dir
  base=/tmp/.wine-$(id -u)
  # shellcheck disable=SC2046  # the two numbers of stat become printf's two arguments
  dir=$base/server-$(printf '%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  rm -rf "$dir"
  rmdir "$base" 2>/dev/null || true
}
