#!/usr/bin/env bash
# Test prefixes and their display, one of each per test run.
#   wine-prefix.sh create ROOT ARCH   fresh prefix ROOT/ARCH (win32 or win64)
#   wine-prefix.sh stop   ROOT ARCH   stop its wine server
#   wine-prefix.sh display-start ROOT / display-stop ROOT   a private Xvfb
set -eu
action=$1 root=$2 arch=${3:-}
mkdir -p "$root"

case "$action" in
  create)
    export WINEPREFIX="$root/$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$root/display" ] && export DISPLAY=":$(cat "$root/display")"
    [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
    if [ "$arch" = win32 ]; then export WINEARCH=win32; else export WINEARCH=win64; fi
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Kept alive for the whole run so that each test need not start a server.
    wineserver -p </dev/null >/dev/null 2>&1
    test -f "$WINEPREFIX/system.reg"
    ;;
  stop)
    WINEPREFIX="$root/$arch" wineserver -k 2>/dev/null || true
    ;;
  display-start)
    if [ -f "$root/display.pid" ] && kill -0 "$(cat "$root/display.pid")" 2>/dev/null; then exit 0; fi
    exec 3>"$root/display.tmp"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$root/display.pid"
    for _ in $(seq 100); do [ -s "$root/display.tmp" ] && break; sleep 0.1; done
    [ -s "$root/display.tmp" ] || { echo "Xvfb did not start" >&2; exit 1; }
    tr -d '\n' <"$root/display.tmp" >"$root/display"
    ;;
  display-stop)
    [ -f "$root/display.pid" ] && kill "$(cat "$root/display.pid")" 2>/dev/null || true
    rm -f "$root/display" "$root/display.pid" "$root/display.tmp"
    ;;
  *) echo "usage: wine-prefix.sh create|stop|display-start|display-stop ROOT [ARCH]" >&2; exit 2 ;;
esac
