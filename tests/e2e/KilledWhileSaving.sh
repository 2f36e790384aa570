#!/bin/bash
# SIGKILL at random moments while the game writes its files: at start-up, when it writes a fresh top-ten table in
# place of a missing or damaged one, and after the settings dialog's OK, which rewrites Balls.cfg. Whatever moment
# the kill hits, Score.dat is whole (the old table or the new one, never a part), and the next start plays.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"

Seed=${BRINDLOW_E2E_SEED:-$(date +%s)}
RANDOM=$Seed
note "kill moments drawn from seed $Seed (BRINDLOW_E2E_SEED repeats them)"
Rounds=${BRINDLOW_E2E_KILL_ROUNDS:-5}
ScoreFile=Score.dat SettingsFile=Balls.cfg BadScoreFile=Score.dat.bad

program=$(new_program_folder game)
MovesPlayed=0
# How the kills fell: before the start wrote its table, or after; the settings file found missing, or whole.
KilledBeforeTable=0 KilledAfterTable=0 SettingsEmpty=0 SettingsWhole=0

# random_pause <most milliseconds>
random_pause() { sleep "$(printf '0.%03d' $((RANDOM % $1)))"; }

# kill_game: SIGKILL, as a crash or a power cut would end it.
kill_game() {
  kill -KILL "$GamePid" 2>/dev/null
  wait "$GamePid" 2>/dev/null
}

# check_after_kill <what> [the damaged table the kill may have come before]: the files are whole; the next start
# takes the table the kill left as it is (a damaged one would be moved aside and replaced), shows the top ten,
# plays, and ends cleanly.
# start_past_warning <program folder>: starts the game, which first says in a box that it set the damaged table aside.
start_past_warning() {
  local box
  "$1/brindlow" >>"$E2eRoot/game.log" 2>&1 &
  GamePid=$!
  StartedPids+=("$GamePid")
  box=$(wait_for_window "$GamePid" '^Warning$') || fail "the start did not say that it set the damaged table aside"
  press_in "$box" Return
  GameWindow=$(wait_for_window "$GamePid" "$GameTitle") || fail "the main window of $GamePid did not appear"
}

check_after_kill() {
  local what=$1 damaged=${2:-} size warned=
  rm -f "$E2eRoot/table-left"
  size=$(file_size "$program/$ScoreFile")
  [ -n "$damaged" ] && cmp -s "$program/$ScoreFile" "$damaged" && size=missing warned=yes
  case $size in
    1082) KilledAfterTable=$((KilledAfterTable + 1)) && cp "$program/$ScoreFile" "$E2eRoot/table-left" ;;
    missing) KilledBeforeTable=$((KilledBeforeTable + 1)) ;;
    *) fail "$what: Score.dat is $size bytes after the kill" ;;
  esac
  size=$(file_size "$program/$SettingsFile")
  case $size in
    11) SettingsWhole=$((SettingsWhole + 1)) ;;
    missing) SettingsEmpty=$((SettingsEmpty + 1)) ;;
    *) fail "$what: Balls.cfg is $size bytes after the kill" ;;
  esac
  if [ -n "$warned" ]; then start_past_warning "$program"; else start_game "$program"; fi
  click_start_picture "$GameWindow"
  open_and_close "$GamePid" "$TopTenY" '^Top Ten$' Escape
  play_move "$GameWindow"
  exit_game "$GamePid" "$GameWindow"
  [ "$(file_size "$program/$ScoreFile")" = 1082 ] || fail "$what: the next run left no whole Score.dat"
  if [ -f "$E2eRoot/table-left" ]; then
    cmp -s "$program/$ScoreFile" "$E2eRoot/table-left" || fail "$what: the next run replaced the table the kill left"
  fi
  if [ -e "$program/$BadScoreFile" ]; then
    [ -n "$damaged" ] && cmp -s "$program/$BadScoreFile" "$damaged" ||
      fail "$what: a table was set aside as damaged"
  fi
  [ "$(file_size "$program/$SettingsFile")" = 11 ] || fail "$what: the next run left no whole Balls.cfg"
}

# Start-up time decides how long the kill moments may be.
begin=$(date +%s%N)
start_game "$program"
StartMilliseconds=$((($(date +%s%N) - begin) / 1000000))
click_start_picture "$GameWindow"
exit_game "$GamePid" "$GameWindow"
note "the window appears $StartMilliseconds ms after the start"

for ((round = 1; round <= Rounds; round++)); do
  # A missing table: the start writes the default one.
  rm -f "$program/$ScoreFile" "$program/$BadScoreFile"
  "$program/brindlow" >>"$E2eRoot/game.log" 2>&1 &
  GamePid=$!
  StartedPids+=("$GamePid")
  random_pause $((StartMilliseconds + 100))
  kill_game
  check_after_kill "round $round, table missing at the kill"

  # A damaged table: the start moves it aside and writes the default one.
  head -c 500 /dev/urandom >"$E2eRoot/damaged"
  cp "$E2eRoot/damaged" "$program/$ScoreFile"
  "$program/brindlow" >>"$E2eRoot/game.log" 2>&1 &
  GamePid=$!
  StartedPids+=("$GamePid")
  random_pause $((StartMilliseconds + 100))
  kill_game
  check_after_kill "round $round, table damaged at the kill" "$E2eRoot/damaged"

  # A whole table stays byte for byte what it was while the settings are written.
  rm -f "$program/$BadScoreFile"
  cp "$program/$ScoreFile" "$E2eRoot/table-before"
  start_game "$program"
  click_start_picture "$GameWindow"
  click_at "$GameWindow" "$ButtonX" "$OptionsY"
  dialog=$(wait_for_window "$GamePid" '^Settings$') || fail "the Settings dialog did not open"
  sleep 0.2
  press_in "$dialog" Return
  random_pause 60
  kill_game
  cmp -s "$program/$ScoreFile" "$E2eRoot/table-before" || fail "round $round: Score.dat changed while the settings were saved"
  check_after_kill "round $round, settings being saved at the kill"
  note "round $round: three kills survived"
done
note "Score.dat: $KilledBeforeTable kills before it was written, $KilledAfterTable after (or whole all along)"
note "Balls.cfg: $SettingsEmpty kills found it missing, $SettingsWhole whole"
