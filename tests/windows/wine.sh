#!/usr/bin/env bash
# wine.sh PROGRAM.exe ARGS...   runs a Windows program of the tests under Debian's wine64
# wine.sh --boot                prepares the Wine prefix: its first start takes a while
# wine.sh --stop                ends the prefix's wineserver, so that nothing outlives the tests
#
# Always headless, as CI runs: no X display is used even where one exists. The prefix is $WINEPREFIX (the
# tests give one inside the build folder). Where wine64 is not installed, says so and exits with 77, which
# the tests count as skipped; with GAUGE_REQUIRE_WINE=1 (as .ci/run sets it) it fails instead.
set -u

# $WINE64 names another loader; Debian's wine64 package puts its own in /usr/lib/wine.
loader=""
for candidate in ${WINE64-/usr/lib/wine/wine64 "$(command -v wine64 2>/dev/null)"}; do
    if [ -n "$candidate" ] && [ -x "$candidate" ] && [ ! -d "$candidate" ]; then loader=$candidate; break; fi
done
if [ -z "$loader" ]; then
    # CI sets GAUGE_REQUIRE_WINE=1: there the Windows build must run, and a missing Wine fails the run.
    if [ -n "${GAUGE_REQUIRE_WINE:-}" ] && [ "${GAUGE_REQUIRE_WINE}" != 0 ]; then
        echo "FAILED: wine64 is not installed (Debian package wine64), and GAUGE_REQUIRE_WINE=$GAUGE_REQUIRE_WINE requires the Windows build to run"
        exit 1
    fi
    echo "SKIPPED: wine64 is not installed (Debian package wine64), so the Windows build cannot be run here"
    # The prefix's setup passes, so that every test that needs Wine runs and reports itself skipped.
    [ "${1:-}" = --boot ] || [ "${1:-}" = --stop ] && exit 0
    exit 77
fi
server=$(dirname "$loader")/wineserver64
[ -x "$server" ] || server=$(dirname "$loader")/wineserver
[ -x "$server" ] || server=$(command -v wineserver 2>/dev/null || echo wineserver)

: "${WINEPREFIX:?WINEPREFIX must name the prefix folder}"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono, no Gecko (both would be offered for download), no menu entries on the desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

case "${1:-}" in
--boot)
    mkdir -p "$WINEPREFIX"
    start=$(date +%s)
    if ! timeout 300 "$loader" wineboot --init; then
        echo "wineboot did not finish within 300 s"
        "$server" -k 2>/dev/null
        exit 1
    fi
    timeout 120 "$server" -w
    echo "Wine prefix $WINEPREFIX ready in $(( $(date +%s) - start )) s"
    ;;
--stop)
    "$server" -k 2>/dev/null
    exit 0
    ;;
"")
    echo "usage: wine.sh PROGRAM.exe ARGS... | --boot | --stop" >&2
    exit 2
    ;;
*)
    exec "$loader" "$@"
    ;;
esac
