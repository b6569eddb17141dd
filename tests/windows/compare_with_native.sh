#!/usr/bin/env bash
# compare_with_native.sh run NATIVE_HOST NATIVE_MODULES WINDOWS_HOST WINDOWS_MODULES SCRIPT OUT_DIR
#   Runs the script with the native panelhost on the native modules and with panelhost.exe under Wine on
#   the Windows modules of the same build ($GAUGE_WINE names the runner: wine.sh, the default, for the
#   x86-64 build; wine32.sh for the 32-bit one). Both must end with the same exit status, write the same
#   --trace byte for byte and print the same (Windows line ends aside); panelhost.exe must not crash.
# compare_with_native.sh inspect NATIVE_HOST NATIVE_MODULE WINDOWS_HOST WINDOWS_MODULE OUT_DIR
#   `inspect` of the same gauge's two builds must print the same, bitmaps included.
set -u
here=$(cd "$(dirname "$0")" && pwd)
mode=$1
wine=${GAUGE_WINE:-$here/wine.sh}

differ() {
    echo "FAILED: $1"
    [ $# -gt 2 ] && diff -u "$2" "$3" | head -40
    exit 1
}

case "$mode" in
run)
    native_host=$2 native_modules=$3 windows_host=$4 windows_modules=$5 script=$6 out=$7
    mkdir -p "$out"
    rm -f "$out"/native.* "$out"/windows.*
    "$native_host" run "$script" --modules "$native_modules" --trace "$out/native.jsonl" \
        >"$out/native.out" 2>"$out/native.err"
    native_status=$?
    "$wine" "$windows_host" run "$script" --modules "$windows_modules" --trace "$out/windows.jsonl" \
        >"$out/windows.out" 2>"$out/windows.err"
    windows_status=$?
    [ $windows_status -eq 77 ] && { cat "$out/windows.out"; exit 77; }
    # Under the emulator a crash may still end with status 0: what Wine or qemu says of it counts.
    crash=$(tr -d '\r' <"$out/windows.err" | grep -aE 'uncaught target signal|Unhandled (page fault|exception)|client error' | head -1)
    [ -z "$crash" ] || differ "panelhost.exe crashed: $crash"
    echo "native panelhost: exit status $native_status; panelhost.exe under Wine: exit status $windows_status"
    # Under the qemu emulator (GAUGE_WINE_STATUS_UNRELIABLE=1, as the 32-bit runs set it) a program that has
    # printed and written everything may still be killed on its way out: there the output and the trace,
    # which carry every result of the script, decide alone.
    [ $native_status -eq $windows_status ] || [ "${GAUGE_WINE_STATUS_UNRELIABLE:-0}" = 1 ] ||
        differ "exit status differs; panelhost.exe said: $(tr -d '\r' < "$out/windows.err")"
    if [ $native_status -eq 2 ]; then
        # A script that cannot run stops before its first frame; both hosts must name the same line of it.
        [ -s "$out/native.jsonl" ] && differ "the native run traced frames of a script that cannot run"
        [ -s "$out/windows.jsonl" ] && differ "panelhost.exe traced frames of a script that cannot run"
        native_where=$(grep -o '[^/\\]*\.script:[0-9]*:' "$out/native.err" | head -1)
        windows_where=$(tr -d '\r' <"$out/windows.err" | grep -o '[^/\\]*\.script:[0-9]*:' | head -1)
        [ -n "$native_where" ] || differ "the native run names no script line: $(cat "$out/native.err")"
        [ "$native_where" = "$windows_where" ] ||
            differ "the hosts name different lines: '$native_where' and '$windows_where'"
        echo "both refuse the script at $native_where"
        exit 0
    fi
    [ -s "$out/native.jsonl" ] || differ "the native run wrote no trace"
    cmp -s "$out/native.jsonl" "$out/windows.jsonl" ||
        differ "the traces differ" "$out/native.jsonl" "$out/windows.jsonl"
    tr -d '\r' <"$out/windows.out" >"$out/windows.lf.out"
    cmp -s "$out/native.out" "$out/windows.lf.out" ||
        differ "the printed output differs" "$out/native.out" "$out/windows.lf.out"
    echo "the same trace ($(wc -l <"$out/native.jsonl") frames) and the same output"
    ;;
inspect)
    native_host=$2 native_module=$3 windows_host=$4 windows_module=$5 out=$6
    mkdir -p "$out"
    "$native_host" inspect "$native_module" >"$out/native.out" 2>&1 || differ "native inspect failed: $(cat "$out/native.out")"
    "$wine" "$windows_host" inspect "$windows_module" >"$out/windows.out" 2>&1
    status=$?
    [ $status -eq 77 ] && { cat "$out/windows.out"; exit 77; }
    tr -d '\r' <"$out/windows.out" >"$out/windows.lf.out"
    [ $status -eq 0 ] || [ "${GAUGE_WINE_STATUS_UNRELIABLE:-0}" = 1 ] ||
        differ "panelhost.exe inspect failed: $(cat "$out/windows.lf.out")"
    cmp -s "$out/native.out" "$out/windows.lf.out" ||
        differ "inspect differs" "$out/native.out" "$out/windows.lf.out"
    sed -n '/^bitmaps:/,$p' "$out/native.out"
    ;;
*)
    echo "usage: compare_with_native.sh run|inspect ..." >&2
    exit 2
    ;;
esac
