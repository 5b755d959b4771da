#!/usr/bin/env bash
# Measures what a person would hear from the game's real sound player: one clip played three
# times, each a play-and-wait, into a PulseAudio null sink whose monitor is recorded with parec.
# sox turns the recording into a loudness envelope (1 ms windows); the sounds are the stretches
# above 5 % of the loudest sample. Three whole sounds, back to back, pass.
#
# Usage: tools/measure-sound.sh [clip.wav ...]
#   PLAY_SOUND    the play_sound program (default build/bench/play_sound)
#   MEASURE_KEEP  a folder to keep the recordings in
# With no clip given it measures a plain 250 ms tone made here, then up.wav and warble.wav.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
player=${PLAY_SOUND:-$root/build/bench/play_sound}
rate=44100
[ -x "$player" ] || { echo "measure-sound: build play_sound first ($player)" >&2; exit 2; }
for tool in pulseaudio pactl parec sox awk; do
  command -v "$tool" >/dev/null || { echo "measure-sound: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
# A private PulseAudio: its own runtime folder, so nothing else on the machine is touched.
export XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
export PULSE_SERVER=unix:$work/runtime/pulse/native
mkdir -p "$PULSE_RUNTIME_PATH"
chmod 700 "$XDG_RUNTIME_DIR"
recorder=""
keeper=""

stop() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null || true
  [ -n "$keeper" ] && kill "$keeper" 2>/dev/null || true
  pulseaudio --kill 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT

# As root PulseAudio warns but runs in user mode; -n skips the machine's default.pa, so only the
# socket and the null sink exist. It must not exit when idle between the recording's start and
# the first sound.
pulseaudio --daemonize=yes --system=false --exit-idle-time=-1 -n \
  --load="module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
  --log-target=file:"$work/pulse.log" 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { echo "measure-sound: PulseAudio did not start" >&2; cat "$work/pulse.log" >&2; exit 1; }
pactl load-module module-null-sink sink_name=zorbly rate=$rate channels=2 >/dev/null
pactl set-default-sink zorbly
# A null sink renders in blocks as long as the latency its listeners ask for, 2 s when nobody
# asks. A low-latency listener for the whole run, and a wait for the 2 s block it was created
# with to pass, keep it rendering in 20 ms blocks like a sound card.
parec -d zorbly.monitor --latency-msec=20 --raw >/dev/null &
keeper=$!
sleep 2.5

# Prints one line per sound found in a recording: start, end and length in ms.
find_sounds() {
  sox "$1" -t dat - | awk -v threshold=0.05 '
    /^;/ { next }
    { w = int($1 * 1000); a = ($2 < 0 ? -$2 : $2); if (a > env[w]) env[w] = a; if (a > peak) peak = a; if (w > last) last = w }
    END {
      inside = 0; quiet = 0
      for (w = 0; w <= last; w++) {
        loud = (env[w] > threshold * peak)
        if (loud && !inside) { inside = 1; start = w }
        if (loud) { quiet = 0; end = w }
        # a sound ends after 3 quiet ms: shorter dips are a waveform passing through zero
        if (!loud && inside && ++quiet >= 3) { inside = 0; printf "%d %d %d\n", start, end + 1, end + 1 - start }
      }
      if (inside) printf "%d %d %d\n", start, end + 1, end + 1 - start
    }'
}

measure() {
  local clip=$1 name=$2 raw=$work/rec.raw
  parec -d zorbly.monitor --latency-msec=20 --rate=$rate --channels=1 --format=s16le --raw >"$raw" &
  recorder=$!
  sleep 0.5
  echo "== $name"
  SDL_AUDIODRIVER=pulseaudio "$player" "$clip" 3 | sed 's/^/   /' | tee "$work/calls.txt"
  sleep 0.5
  kill "$recorder"; wait "$recorder" 2>/dev/null || true; recorder=""
  sox -t raw -r $rate -e signed -b 16 -c 1 "$raw" "$work/rec.wav"
  [ -n "${MEASURE_KEEP:-}" ] && mkdir -p "$MEASURE_KEEP" && {
    cp "$work/rec.wav" "$MEASURE_KEEP/$(basename "$clip" .wav)-x3.wav"
    cp "$work/calls.txt" "$MEASURE_KEEP/$(basename "$clip" .wav)-calls.txt"
  }
  local clip_ms; clip_ms=$(sox --i -D "$clip" | awk '{ printf "%d", $1 * 1000 + 0.5 }')
  find_sounds "$work/rec.wav" | awk -v clip="$clip_ms" -v name="$name" '
    { n++; len[n] = $3; printf "   sound %d: %6d ms to %6d ms, %4d ms long", n, $1, $2, $3
      if (n > 1) { gap = $1 - prev; printf ", %3d ms after the previous ended", gap; if (gap > gapmax) gapmax = gap }
      printf "\n"; prev = $2 }
    END {
      whole = 1
      for (i = 1; i <= n; i++) if (len[i] < clip - 15 || len[i] > clip + 15) whole = 0
      verdict = (n == 3 && whole && gapmax < 100) ? "PASS" : "FAIL"
      printf "   %s: %d sounds of a %d ms clip, each %s, longest gap %d ms\n", verdict, n, clip,
             whole ? "whole" : "NOT whole", gapmax
      exit verdict == "PASS" ? 0 : 1
    }'
}

status=0
if [ $# -eq 0 ]; then
  sox -n -r $rate -c 1 -b 16 "$work/tone.wav" synth 0.25 sine 660 fade t 0.005 0.25 0.005
  measure "$work/tone.wav" "a plain 250 ms tone" || status=1
  set -- "$root/data/up.wav" "$root/data/warble.wav"
fi
for clip in "$@"; do
  measure "$clip" "$(basename "$clip")" || status=1
done
exit $status
