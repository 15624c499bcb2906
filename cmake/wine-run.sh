#!/usr/bin/env bash
# Runs a Windows program under Wine in the test prefix a test asks for.
#   FONETIKA_WINE_ROOT     folder holding the prefixes (under the build tree)
#   FONETIKA_WINE_ARCH     win32 (default) or win64
#   FONETIKA_WINE_VERSION  Windows version Wine reports (default win10)
# Tests that share a prefix are serialised by CTest (RESOURCE_LOCK), so the
# version switch cannot race another test of the same prefix.
set -u
root=${FONETIKA_WINE_ROOT:?FONETIKA_WINE_ROOT is not set}
arch=${FONETIKA_WINE_ARCH:-win32}
version=${FONETIKA_WINE_VERSION:-win10}

export WINEPREFIX="$root/$arch"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
[ -f "$root/display" ] && export DISPLAY=":$(cat "$root/display")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-run: no prefix at $WINEPREFIX (run the wine-prefix fixture first)" >&2
  exit 125
fi

stamp="$WINEPREFIX/.fonetika-version"
if [ "$(cat "$stamp" 2>/dev/null)" != "$version" ]; then
  wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1 || {
    echo "wine-run: cannot set the Windows version $version" >&2
    exit 125
  }
  echo "$version" >"$stamp"
fi

exec wine "$@"
