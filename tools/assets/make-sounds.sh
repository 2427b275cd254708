#!/usr/bin/env bash
# Synthesises the game's three sounds with ffmpeg's expression source and encodes
# them as Windows Media Audio beside the program:
#   correct.wma   a bright two-note chime, rising a fourth (B5 to E6)
#   wrong.wma     a soft low buzz that sinks a little
#   complete.wma  a short brass-like fanfare ending on a C major chord
# Each is brought to its own loudness with the peak kept well below full scale,
# so none is harsh even after hundreds of plays.
# Usage: make-sounds.sh <sounds folder>
set -euo pipefail

out=${1:?usage: make-sounds.sh <sounds folder>}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

readonly rate=44100
readonly peak_ceiling=-3   # dBTP

calc() { awk "BEGIN { printf \"%.4f\", $1 }"; }

# A tone of frequency $1 starting at $2 seconds: harmonics 1..n with amplitudes
# $3 (space-separated), each dying away at rate $4 times its harmonic number.
# The 5 ms rise keeps it from clicking.
tone() {
    local f=$1 start=$2 amps=$3 decay=$4 n=0 sum=""
    for a in $amps; do
        n=$((n + 1))
        sum+="+${a}*sin(2*PI*${f}*${n}*(t-${start}))*exp(-${decay}*${n}*(t-${start}))"
    done
    echo "gte(t,${start})*min(1,(t-${start})/0.005)*(${sum})"
}

# A note held from $2 for $3 seconds, with a 10 ms rise and a 40 ms release.
held() {
    local f=$1 start=$2 length=$3 amps=$4
    local end="(${start}+${length})"
    echo "between(t,${start},${end})*min(1,(t-${start})/0.01)*min(1,(${end}-t)/0.04)*($(tone "$f" "$start" "$amps" 0.6))"
}

# Renders the expression $2 for $3 seconds into $work/$1.wav, fading out over the
# last $4 seconds. Silence follows: a WMA decoder may shift the sound by the
# encoder's delay and cut the last few milliseconds, which must not be part of the
# fade. (The game skips the silence at the start, so none delays a sound.)
render() {
    local name=$1 expression=$2 seconds=$3 fade=$4
    ffmpeg -hide_banner -loglevel error -y -f lavfi \
        -i "aevalsrc='${expression}':s=${rate}:c=mono:d=${seconds}" \
        -af "afade=t=out:st=$(calc "$seconds - $fade"):d=${fade},apad=pad_dur=0.08" \
        -c:a pcm_f32le "$work/$name.wav"
}

# Brings $work/$1.wav to $2 LUFS, or lower where its true peak would pass the
# ceiling, and encodes it.
encode() {
    local name=$1 target=$2 measured loudness peak gain
    measured=$(ffmpeg -hide_banner -nostats -i "$work/$name.wav" -af ebur128=peak=true -f null - 2>&1)
    loudness=$(awk '/Integrated loudness:/ {f=1} f && /I:/ {print $2; exit}' <<<"$measured")
    peak=$(awk '/True peak:/ {f=1} f && /Peak:/ {print $2; exit}' <<<"$measured")
    gain=$(calc "($peak_ceiling - ($peak) < $target - ($loudness)) ? $peak_ceiling - ($peak) : $target - ($loudness)")
    ffmpeg -hide_banner -loglevel error -y -i "$work/$name.wav" -af "volume=${gain}dB" \
        -map_metadata -1 -fflags +bitexact -flags:a +bitexact \
        -c:a wmav2 -b:a 96k -ar "$rate" -ac 1 "$out/$name.wma"
    printf '%-9s gain %+6.2f dB (was %s LUFS, true peak %s dBTP)\n' "$name" "$gain" "$loudness" "$peak"
}

bell="1 0.3 0.1"
render correct "0.5*($(tone 987.77 0 "$bell" 7)+$(tone 1318.51 0.11 "$bell" 6))" 0.46 0.05
encode correct -20

# Two voices a few hertz apart beat against each other; the pitch sinks from
# 150 to 130 Hz. Harmonics fall off quickly, which keeps the buzz soft.
buzz_voice() {
    local f0=$1 f1=$2 sum="" n amp
    for n in 1 2 3 4 5 6 7; do
        amp=$(calc "1 / $n ^ 1.6")
        sum+="+${amp}*sin(2*PI*${n}*(${f0}*t+(${f1}-${f0})*t*t/(2*0.45)))"
    done
    echo "($sum)"
}
render wrong "0.3*min(1,t/0.015)*exp(-2*t)*($(buzz_voice 150 130)+$(buzz_voice 154 133))" 0.45 0.12
encode wrong -22

brass="1 0.5 0.33 0.25 0.2 0.16"
fanfare="$(held 392.00 0.00 0.13 "$brass")+$(held 523.25 0.14 0.13 "$brass")"
fanfare+="+$(held 659.26 0.28 0.13 "$brass")+$(held 783.99 0.42 0.30 "$brass")"
fanfare+="+$(held 659.26 0.74 0.14 "$brass")"
for f in 523.25 659.26 783.99 1046.50; do
    fanfare+="+0.6*$(held "$f" 0.90 1.70 "$brass")"
done
render complete "0.15*(${fanfare})" 2.6 0.6
encode complete -19
