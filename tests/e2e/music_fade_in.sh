#!/usr/bin/env bash
# A full-screen run with the default music: what the sound card is given (SDL's disk driver
# writes it to a file) starts silent, rises as the scene fades in, and is at full volume after
# five seconds.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init music_fade_in
use_shared_display
[ -x "${E2E_PCM_LEVELS:-}" ] || fail "E2E_PCM_LEVELS does not name the level meter"

pcm="$E2E_TMP/played.raw"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$pcm" start_program /s
box=$(wait_for_window "Pendrel") || fail "no question about the unsupported mode"
press "$box" Return
window=$(wait_for_window "ZIRavar") || fail "no saver window"
# Eight seconds of 16-bit stereo at 44100 Hz reach the card, however long a busy machine takes.
deadline=$(($(now_ms) + 120000))
until [ "$(stat -c %s "$pcm" 2>/dev/null || echo 0)" -ge $((8 * 44100 * 4)) ]; do
  program_running || fail "the program ended while the music played"
  [ "$(now_ms)" -lt "$deadline" ] || fail "less than 8 s of sound in two minutes"
  sleep 0.1
done
program_running || fail "the program ended while the music played"
press "$window" Escape
expect_exit 1

"$E2E_PCM_LEVELS" "$pcm" 0.5 >"$E2E_ARTIFACTS/levels.txt" || fail "cannot read $pcm"
log "levels (start s, rms, peak): $(tr '\n' ';' <"$E2E_ARTIFACTS/levels.txt")"
# rms_between FROM TO: the mean RMS of the windows that start within [FROM, TO).
rms_between() {
  awk -v from="$1" -v to="$2" '$1 >= from && $1 < to { s += $2; n++ } END { if (n) printf "%.5f", s / n; else print "none" }' \
    "$E2E_ARTIFACTS/levels.txt"
}
# The file begins with the first buffer the card took, just after the first frame; on a busy
# machine the card starts later into the fade (measured: 15 % of full in the first half second
# with a test suite and two CPU hogs beside it, 8 % on an idle one).
start=$(rms_between 0 0.5)
rising=$(rms_between 2 3)
full=$(rms_between 5.5 7.5)
log "RMS at 0-0.5 s $start, at 2-3 s $rising, at 5.5-7.5 s $full"
[ "$full" != none ] || fail "less than 7.5 s of sound was played"
awk -v f="$full" 'BEGIN { exit !(f > 0.02) }' || fail "the music is not audible at full volume ($full)"
awk -v s="$start" -v f="$full" 'BEGIN { exit !(s < 0.3 * f) }' ||
  fail "the music does not start quietly ($start against $full)"
awk -v r="$rising" -v f="$full" 'BEGIN { exit !(r > 0.2 * f && r < 0.85 * f) }' ||
  fail "the music is not half-way up at 2-3 s ($rising against $full)"
log "PASS"
