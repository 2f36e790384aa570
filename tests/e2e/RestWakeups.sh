#!/bin/bash
# At rest on the game screen, with the music off and no sound playing, the whole game wakes at most once a second
# (a count of wake-ups, not a time, so a loaded machine does not change it); with a song playing, the processor time
# it takes per second is reported. One move after the rest shows that the sounds come back.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"
RestSeconds=30

# wakeups <pid>: the voluntary context switches of all its threads so far, each the end of one wake-up; then the
# thread count, so that a thread ending during the rest (and taking its count along) is noticed.
wakeups() {
  local status count=0 threads=0
  for status in /proc/"$1"/task/*/status; do
    count=$((count + $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$status" 2>/dev/null || echo 0)))
    threads=$((threads + 1))
  done
  echo "$count $threads"
}

# cpu_ticks <pid>: its user and system time so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' /proc/"$1"/stat; }

program=$(new_program_folder quiet)
# Preview on, no jokers or bombs, level Normal, every sound on, no music.
printf '\001\000\000\000\000\001\001\001\001\001\000' >"$program/Balls.cfg"
start_game "$program"
click_start_picture "$GameWindow"
# The first balls' sounds have ended; the device goes a second after the last of them.
sleep 3
read -r before threadsBefore <<<"$(wakeups "$GamePid")"
sleep "$RestSeconds"
read -r after threadsAfter <<<"$(wakeups "$GamePid")"
count=$((after - before))
note "at rest with the music off: $count wake-ups in $RestSeconds s ($threadsBefore threads, then $threadsAfter)"
[ "$threadsAfter" -ge "$threadsBefore" ] || fail "a thread ended during the rest, so its wake-ups went uncounted"
[ "$count" -le "$RestSeconds" ] || fail "$count wake-ups in $RestSeconds s at rest: more than one a second"
MovesPlayed=0
play_move "$GameWindow"
exit_game "$GamePid" "$GameWindow"

program=$(new_program_folder music)
start_game "$program"
click_start_picture "$GameWindow"
sleep 2
ticksBefore=$(cpu_ticks "$GamePid")
sleep 10
ticksAfter=$(cpu_ticks "$GamePid")
note "with a song playing: $(awk -v t=$((ticksAfter - ticksBefore)) -v hz="$(getconf CLK_TCK)" \
  'BEGIN { printf "%.1f ms", t * 1000 / hz / 10 }') of processor time per second"
exit_game "$GamePid" "$GameWindow"
echo "rested with $count wake-ups in $RestSeconds s"
