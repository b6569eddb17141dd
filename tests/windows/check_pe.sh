#!/usr/bin/env bash
# check_pe.sh OBJDUMP i686|x86_64 MODULE.gau [BITMAP_ID...]
# Checks a Windows gauge module as the cross toolchain's objdump reads it:
#   - the machine type (read from the COFF header itself as well) and the PE32 / PE32+ format
#   - the DLL flag
#   - the export table: exactly Linkage and ImportTable, undecorated
#   - the import table: system DLLs only (KERNEL32, msvcrt, WINMM), and nothing from WINMM but PlaySoundA;
#     no call that starts a thread, locks, or allocates beyond the toolchain's startup code
#   - the BITMAP resources: exactly the given resource numbers (none when none are given)
#   - the header as the loader needs it: image base, relocations, no TLS directory, and in the 32-bit build
#     the subsystem and OS versions
# Prints the export and import tables as objdump prints them.
set -u
objdump=$1 arch=$2 module=$3
shift 3
expected_bitmaps=$(printf '%s\n' "$@" | sed '/^$/d' | sort -n | tr '\n' ' ')
failures=0
fail() { echo "FAILED: $module: $*"; failures=$((failures + 1)); }

case "$arch" in
i686)   machine=14c  format=pei-i386   magic="(PE32)" ;;
x86_64) machine=8664 format=pei-x86-64 magic="(PE32+)" ;;
*)      echo "unknown architecture $arch" >&2; exit 2 ;;
esac
[ -f "$module" ] || { echo "FAILED: $module does not exist"; exit 1; }

# The COFF header: "PE\0\0" at the offset that the DOS header gives at 0x3C, then the machine.
pe_at=$(od -An -tu4 -j60 -N4 "$module" | tr -d ' ')
signature=$(od -An -tx1 -j"$pe_at" -N4 "$module" | tr -d ' ')
coff_machine=$(od -An -tx2 -j$((pe_at + 4)) -N2 "$module" | tr -d ' ' | sed 's/^0*//')
[ "$signature" = 50450000 ] || fail "no PE signature at offset $pe_at"
[ "$coff_machine" = "$machine" ] || fail "machine type 0x$coff_machine, expected 0x$machine"

header=$("$objdump" -f "$module") || fail "objdump cannot read it"
grep -q "file format $format\$" <<<"$header" || fail "objdump does not read it as $format: $(head -2 <<<"$header")"
private=$("$objdump" -p "$module")
grep -qF "$magic" <<<"$private" || fail "not $magic"
flags=$(sed -n '/^Characteristics/,/^$/p' <<<"$private")
grep -qx $'\tDLL' <<<"$flags" || fail "the DLL flag is not set: $flags"

exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$private")
export_names=$(sed -n 's/^\t\[ *[0-9]*\] //p' <<<"$exports" | sort | tr '\n' ' ')
[ "$export_names" = "ImportTable Linkage " ] || fail "exports '$export_names', expected exactly ImportTable and Linkage"

imports=$(sed -n '/^The Import Tables/,/^The Export Tables/p' <<<"$private" | sed '$d')
dlls=$(sed -n 's/^\tDLL Name: //p' <<<"$imports")
[ -n "$dlls" ] || fail "no import table"
while read -r dll; do
    [ -n "$dll" ] || continue
    case "${dll,,}" in
    kernel32.dll | msvcrt.dll | winmm.dll) ;;
    *) fail "imports $dll, which is not a system DLL" ;;
    esac
done <<<"$dlls"
winmm_functions=$(awk '/^\tDLL Name: /{in_winmm = (tolower($3) == "winmm.dll"); next}
                       in_winmm && /^\t[0-9a-f]+\t/ {print $NF}' <<<"$imports" | sort -u | tr '\n' ' ')
[ -z "$winmm_functions" ] || [ "$winmm_functions" = "PlaySoundA " ] ||
    fail "imports '$winmm_functions' from WINMM, expected PlaySoundA alone"

# No thread of its own, no lock, no heap beyond what the toolchain's DLL startup code takes: that code
# imports malloc, calloc, realloc, free and the critical-section calls for its own tables, so those cannot be
# told apart here; the native build's conformance tests hold the gauge code itself to no heap at all.
forbidden=$(awk '/^\tDLL Name: /{next} /^\t[0-9a-f]+\t/ {print $NF}' <<<"$imports" | grep -xE \
    'CreateThread|CreateRemoteThread|ExitThread|_beginthread|_beginthreadex|_endthread|_endthreadex|CreateMutex[AW]?|CreateSemaphore[AW]?|CreateEvent[AW]?|WaitForSingleObject|WaitForMultipleObjects|HeapAlloc|HeapCreate|HeapReAlloc|GlobalAlloc|LocalAlloc|VirtualAlloc|_aligned_malloc|_strdup|strdup' |
    sort -u | tr '\n' ' ')
[ -z "$forbidden" ] || fail "imports thread or heap calls: $forbidden"

# What the loader needs of the header. A base address of its own, 64 KiB aligned, the whole image below the
# top of the user address space, and its base relocations kept: gauges share one process and some must move.
# No thread-local storage directory, so no TLS callbacks (framework/no_tls_callbacks.cpp). In the 32-bit
# build, the subsystem and OS versions 4.0 of a GUI DLL, which every Windows of the simulator's time accepts.
field() { awk -v name="$1" '$1 == name {print $2; exit}' <<<"$private"; }
image_base=$((16#$(field ImageBase))) image_size=$((16#$(field SizeOfImage)))
[ $((image_base % 0x10000)) -eq 0 ] || fail "image base $(printf 0x%x $image_base) is not 64 KiB aligned"
if [ "$arch" = i686 ]; then
    [ $image_base -ge $((0x400000)) ] && [ $((image_base + image_size)) -le $((0x7ffe0000)) ] ||
        fail "image $(printf 0x%x $image_base) + $(printf 0x%x $image_size) lies outside 0x400000 to 0x7ffe0000"
fi
grep -qx $'\trelocations stripped' <<<"$flags" && fail "its base relocations are stripped"
directory() { awk -v entry="$1" '$1 == "Entry" && $2 == entry {print $4; exit}' <<<"$private"; }
[ $((16#$(directory 5))) -gt 0 ] || fail "no base relocations: it loads at $(printf 0x%x $image_base) or not at all"
[ $((16#$(directory 9))) -eq 0 ] || fail "it has a thread-local storage directory (TLS callbacks)"
if [ "$arch" = i686 ]; then
    versions="$(field Subsystem) $(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"
    versions+=" $(field MajorOSystemVersion).$(field MinorOSystemVersion)"
    [ "$versions" = "00000002 4.0 4.0" ] ||
        fail "subsystem, subsystem version, OS version '$versions', expected '00000002 4.0 4.0' (Windows GUI 4.0, 4.0)"
fi

# Resource directory: type entries two blanks deeper than the table, name entries two more.
bitmaps=$(sed -n '/^The .rsrc Resource Directory section/,/Resources start at/p' <<<"$private" |
    awk 'match($0, /^[0-9a-f]+ +Entry: ID: 0x/) {
             depth = index($0, "Entry") - index($0, " ")
             id = substr($4, 1, length($4) - 1)
             if (depth == 3) type = id
             else if (depth == 5 && type == "0x000002") print id
         }' | while read -r id; do echo $((id)); done | sort -n | tr '\n' ' ')
[ "$bitmaps" = "$expected_bitmaps" ] ||
    fail "BITMAP resources '${bitmaps:-none}', expected '${expected_bitmaps:-none}'"

[ $failures -eq 0 ] || exit 1
echo "$module: $format, machine 0x$coff_machine, a DLL; BITMAP resources: ${bitmaps:-none}"
echo "image base $(printf 0x%x $image_base), $(printf 0x%x $image_size) bytes, relocated, no TLS directory"
echo "$exports"
echo "$imports" | grep -E $'^\tDLL Name: |^\t[0-9a-f]+\t'
exit 0
