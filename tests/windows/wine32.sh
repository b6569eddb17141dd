#!/usr/bin/env bash
# wine32.sh PROGRAM.exe ARGS...   runs a 32-bit Windows program of the tests under Debian's 32-bit Wine
# wine32.sh --boot                makes the loader folder and the 32-bit prefix, and starts its wineserver
# wine32.sh --stop                ends that wineserver, and with it every Wine process of the prefix
#
# The kernel of this machine runs no 32-bit code, so every 32-bit Wine process runs in the qemu-i386 user-mode
# emulator: Wine's loader is copied into a loader folder of our own ($GAUGE_WINE32_LOADER), where Wine finds
# the wine-preloader of tests/windows/wine32 (which starts the emulator) and noreplace.so (which keeps Wine's
# address-space reservation from taking minutes under the emulator). One wineserver, a native 64-bit one,
# serves the prefix from --boot to --stop, so that its service processes start once for the whole run.
#
# Headless like wine.sh; the prefix is $WINEPREFIX. Where qemu-user or wine32:i386 is missing, or the
# preload library cannot be built, says so and exits with 77 (skipped); with GAUGE_REQUIRE_WINE=1 (as .ci/run
# sets it) it fails instead. Judge a run by its output and trace: after a crash under the emulator the exit
# status may be 0 or anything else.
set -u
here=$(cd "$(dirname "$0")" && pwd)

# Debian's wine32:i386 puts the 32-bit loader here; the native 64-bit wineserver serves 32-bit clients too.
wine_loader=/usr/lib/wine/wine
server=/usr/lib/wine/wineserver64
[ -x "$server" ] || server=/usr/lib/wine/wineserver
wine_libs=/usr/lib/i386-linux-gnu/wine
wine_data=/usr/share/wine

missing() {
    if [ -n "${GAUGE_REQUIRE_WINE:-}" ] && [ "${GAUGE_REQUIRE_WINE}" != 0 ]; then
        echo "FAILED: $1, and GAUGE_REQUIRE_WINE=$GAUGE_REQUIRE_WINE requires the 32-bit Windows build to run"
        exit 1
    fi
    echo "SKIPPED: $1, so the 32-bit Windows build cannot be run here"
    exit 77
}
command -v qemu-i386 >/dev/null || missing "qemu-i386 is not installed (Debian package qemu-user)"
[ -f "$wine_loader" ] && [ -d "$wine_libs/i386-unix" ] ||
    missing "32-bit Wine is not installed (Debian package wine32:i386)"
[ -x "$server" ] || missing "no native wineserver (Debian package wine64)"

: "${WINEPREFIX:?WINEPREFIX must name the prefix folder}"
: "${GAUGE_WINE32_LOADER:?GAUGE_WINE32_LOADER must name the loader folder}"
export WINEPREFIX WINEARCH=win32 WINESERVER=$server
export WINEDEBUG=-all
# No debugger either: a program that crashes ends at once, where winedbg would wait for ever without a console.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
unset DISPLAY WAYLAND_DISPLAY
# Wine finds its libraries and data relative to its loader: lib/wine/wine beside lib/i386-linux-gnu and
# share/wine, as in /usr.
bin=$GAUGE_WINE32_LOADER/lib/wine

make_loader() {
    rm -rf "$GAUGE_WINE32_LOADER"
    mkdir -p "$bin" "$GAUGE_WINE32_LOADER/share" || return 1
    # A copy, not a link: Wine looks for its preloader beside the loader's real path.
    cp "$wine_loader" "$bin/wine" &&
        cp "$here/wine32/wine-preloader" "$bin/wine-preloader" &&
        ln -s "$(dirname "$wine_libs")" "$GAUGE_WINE32_LOADER/lib/i386-linux-gnu" &&
        ln -s "$wine_data" "$GAUGE_WINE32_LOADER/share/wine" || return 1
    # The stock compiler makes the 32-bit library without a 32-bit C library: see noreplace.c.
    "${CC:-gcc}" -m32 -nostdlib -shared -fPIC -O2 -fno-stack-protector -Wall -Werror \
        -o "$bin/noreplace.so" "$here/wine32/noreplace.c"
}

case "${1:-}" in
--boot)
    start=$(date +%s)
    "$server" -k 2>/dev/null
    make_loader || missing "the loader folder $GAUGE_WINE32_LOADER cannot be made (gcc -m32 -nostdlib)"
    # Wine makes the prefix folder itself: one that exists already counts as made. Under the emulator
    # wineboot's exit status says little (some of its helper processes crash on the way, and it may be
    # killed when it is done): the prefix counts as made when its registry and system folder are there.
    rm -rf "$WINEPREFIX"
    timeout 300 "$bin/wine-preloader" "$bin/wine" wineboot --init
    echo "wineboot: exit status $?"
    # The server wineboot started, and every process still attached to it, end here (the server writes the
    # registry as it goes); then the one that stays for the run starts.
    "$server" -k 2>/dev/null
    timeout 60 "$server" -w
    for made in system.reg user.reg drive_c/windows/system32/kernel32.dll drive_c/windows/system32/msvcrt.dll \
        drive_c/windows/system32/winmm.dll; do
        [ -f "$WINEPREFIX/$made" ] || { echo "FAILED: wineboot did not make $made"; exit 1; }
    done
    # The server and the prefix's service processes outlive this step: none may hold its output open, or
    # whoever reads it (ctest) waits for them until the run's end.
    "$server" -p </dev/null >/dev/null 2>&1 || { echo "FAILED: wineserver did not start"; exit 1; }
    # The service processes start with the prefix's first program and stay: start them now, so that the
    # first test does not wait for them. What they print goes to a log in the prefix.
    "$bin/wine-preloader" "$bin/wine" cmd.exe /c echo 32-bit Wine answers </dev/null >"$WINEPREFIX/services.log" 2>&1
    cat "$WINEPREFIX/services.log"
    grep -q '32-bit Wine answers' "$WINEPREFIX/services.log" || { echo "FAILED: no 32-bit program runs"; exit 1; }
    echo "32-bit Wine prefix $WINEPREFIX ready in $(( $(date +%s) - start )) s"
    ;;
--stop)
    "$server" -k 2>/dev/null
    exit 0
    ;;
"")
    echo "usage: wine32.sh PROGRAM.exe ARGS... | --boot | --stop" >&2
    exit 2
    ;;
*)
    [ -x "$bin/wine-preloader" ] || { echo "FAILED: no loader folder: run wine32.sh --boot first"; exit 1; }
    exec "$bin/wine-preloader" "$bin/wine" "$@"
    ;;
esac
