#!/usr/bin/env bash
# Drives both builds.
#   ./build.sh run    install what is missing, build, start setup.exe under Wine
#   ./build.sh test   install what is missing, build, run every test
#   ./build.sh build  build only (host, sanitizer and Windows builds)
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

build_all() {
  ./tools/install-packages.sh
  cmake --preset host >/dev/null
  cmake --build --preset host -j "$jobs"
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j "$jobs"
}

case "${1:-}" in
  run)
    build_all
    root=$PWD/build/wine-run
    [ -f "$root/win32/system.reg" ] || ./cmake/wine-prefix.sh create "$root" win32
    if [ -z "${DISPLAY:-}" ]; then
      ./cmake/wine-prefix.sh display-start "$root"
      echo "no DISPLAY: running on a private Xvfb display :$(cat "$root/display")"
    fi
    status=0
    FONETIKA_WINE_ROOT=$root FONETIKA_WINE_ARCH=win32 ./cmake/wine-run.sh build/windows/bin/setup.exe || status=$?
    ./cmake/wine-prefix.sh stop "$root" win32
    [ -f "$root/display.pid" ] && ./cmake/wine-prefix.sh display-stop "$root"
    echo "setup.exe exited with $status"
    exit "$status"
    ;;
  test)
    build_all
    cmake --preset host-asan >/dev/null
    cmake --build --preset host-asan -j "$jobs"
    ctest --preset host -j "$jobs"
    ctest --preset host-asan -j "$jobs"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    ctest --preset fuzz
    ctest --preset windows -j "$jobs"
    ;;
  build)
    build_all
    cmake --preset host-asan >/dev/null
    cmake --build --preset host-asan -j "$jobs"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz -j "$jobs"
    ;;
  *)
    echo "usage: ./build.sh run|test|build" >&2
    exit 2
    ;;
esac
