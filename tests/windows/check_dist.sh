#!/usr/bin/env bash
# check_dist.sh DIST_DIR GAUGE...
# Checks the folder a panel designer installs from: the 32-bit module of every gauge and nothing else, the
# three sounds as playable WAV files, a panel.cfg line for every gauge, and INSTALL.txt naming them.
set -u
dist=$1
shift
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
le() { od -An -tu"$3" -j"$2" -N"$3" "$1" | tr -d ' '; }   # a little-endian unsigned number: file offset size

for gauge in "$@"; do
    module=$dist/$gauge.gau
    if [ ! -f "$module" ]; then fail "$gauge.gau is missing"; continue; fi
    pe_at=$(le "$module" 60 4)
    [ "$(head -c2 "$module")" = MZ ] && [ "$(le "$module" $((pe_at + 4)) 2)" = 332 ] ||
        fail "$gauge.gau is not a 32-bit (i386) Windows module"
done
shipped=$(cd "$dist" && ls -- *.gau 2>/dev/null | wc -l)
[ "$shipped" -eq $# ] || fail "$shipped .gau files shipped for $# gauges"

# PCM, mono, 16-bit, 22050 Hz, with a data block that fills the file and is not silent.
check_wav() {
    local file=$dist/sound/$1 min_ms=$2 max_ms=$3
    [ -f "$file" ] || { fail "sound/$1 is missing"; return; }
    [ "$(head -c4 "$file")" = RIFF ] && [ "$(dd if="$file" bs=1 skip=8 count=8 2>/dev/null)" = "WAVEfmt " ] ||
        { fail "sound/$1 is not a WAV file"; return; }
    local format=$(le "$file" 20 2) channels=$(le "$file" 22 2) rate=$(le "$file" 24 4) bits=$(le "$file" 34 2)
    [ "$format/$channels/$rate/$bits" = 1/1/22050/16 ] ||
        fail "sound/$1: format $format, $channels channel(s), $rate Hz, $bits bits; expected PCM mono 22050 Hz 16-bit"
    local data=$(le "$file" 40 4) size=$(stat -c %s "$file")
    [ "$(dd if="$file" bs=1 skip=36 count=4 2>/dev/null)" = data ] && [ $((44 + data)) -eq "$size" ] ||
        fail "sound/$1: the data block does not fill the file"
    local ms=$((data * 1000 / (2 * 22050)))
    [ $ms -ge "$min_ms" ] && [ $ms -le "$max_ms" ] || fail "sound/$1 lasts $ms ms, expected $min_ms to $max_ms"
    local peak=$(od -An -td2 -v -j44 "$file" | tr -s ' ' '\n' | awk 'NF {v = $1 < 0 ? -$1 : $1; if (v > m) m = v} END {print m + 0}')
    [ "$peak" -ge 3000 ] || fail "sound/$1 is nearly silent (peak $peak)"
    echo "sound/$1: $ms ms, peak $peak of 32767"
}
check_wav click.wav 10 200
check_wav soft_click.wav 10 200
check_wav omi_test.wav 1000 6000

cfg=$dist/panel.cfg
if [ -f "$cfg" ]; then
    for gauge in "$@"; do
        n=$(grep -cE "^gauge[0-9]{2}=$gauge!$gauge, *[0-9]+, *[0-9]+, *[0-9]+" "$cfg")
        [ "$n" -eq 1 ] || fail "panel.cfg has $n lines for $gauge, expected 1"
    done
    lines=$(grep -cE '^gauge[0-9]{2}=' "$cfg")
    [ "$lines" -eq $# ] || fail "panel.cfg has $lines gauge lines for $# gauges"
else
    fail "panel.cfg is missing"
fi

if [ -f "$dist/INSTALL.txt" ]; then
    for gauge in "$@"; do grep -q "$gauge" "$dist/INSTALL.txt" || fail "INSTALL.txt does not name $gauge"; done
    grep -q 'sound\\click.wav' "$dist/INSTALL.txt" || fail "INSTALL.txt does not say where the sounds go"
else
    fail "INSTALL.txt is missing"
fi

[ $failures -eq 0 ] && echo "dist: $# gauges, 3 sounds, panel.cfg and INSTALL.txt as expected"
[ $failures -eq 0 ]
