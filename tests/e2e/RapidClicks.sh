#!/bin/bash
# Thousands of clicks on the board, many of them while balls walk, grow, break and blast: the game must stay up,
# its board must still follow the rules afterwards, and Exit must still end it. Two storms: a plain game at the
# first level, then jokers and bombs at the last, where boards fill and records come quickly.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"

Seed=${BRINDLOW_E2E_SEED:-$(date +%s)}
RANDOM=$Seed
note "clicks drawn from seed $Seed (BRINDLOW_E2E_SEED repeats them)"
ClicksPerStorm=1500 SecondsPerStorm=15 Batch=50

program=$(new_program_folder game)
MovesPlayed=0

# click_storm <name>: random clicks on the board in quick batches, now and then a new game in their midst.
click_storm() {
  local name=$1 clicks=0 batches=0 start=$SECONDS chain i
  while [ "$clicks" -lt "$ClicksPerStorm" ] && [ $((SECONDS - start)) -lt "$SecondsPerStorm" ]; do
    chain=()
    for ((i = 0; i < Batch; i++)); do
      chain+=(mousemove --window "$GameWindow" $((BoardX + RANDOM % (9 * CellSide))) $((BoardY + RANDOM % (9 * CellSide)))
              click --delay 1 1 sleep 0.005)
    done
    batches=$((batches + 1))
    [ $((batches % 10)) -eq 0 ] && chain+=(mousemove --window "$GameWindow" "$ButtonX" "$NewY" click 1)
    xdotool "${chain[@]}" 2>/dev/null
    clicks=$((clicks + Batch))
    kill -0 "$GamePid" 2>/dev/null || { wait "$GamePid"; fail "$name: the game ended (status $?) after $clicks clicks"; }
    answer_dialogs "$GamePid"
  done
  note "$name: $clicks clicks in $((SECONDS - start)) s"
  screenshot "$name"
}

# still_plays <name>: once the queued clicks are handled, real moves work. A picture that disagreed with the board
# would show a ball that cannot be selected or a cell that is not free.
still_plays() {
  local name=$1 tries cells
  for ((tries = 0; tries < 10; tries++)); do
    answer_dialogs "$GamePid"
    sleep 0.5
  done
  kill -0 "$GamePid" 2>/dev/null || fail "$name: the game ended while its queued clicks were handled"
  read -r -a cells <<<"$(settled_board "$GameWindow")"
  if [ "$(count_balls "${cells[@]}")" -gt 65 ]; then
    click_at "$GameWindow" "$ButtonX" "$NewY"
    sleep 1
    answer_dialogs "$GamePid"
  fi
  play_move "$GameWindow"
  play_move "$GameWindow"
}

start_game "$program"
click_start_picture "$GameWindow"
click_storm plain
still_plays plain
exit_game "$GamePid" "$GameWindow"

# The settings record: preview, jokers, bombs, level Impossible, the five sound switches, no music.
printf '\001\001\001\002\000\001\001\001\001\001\000' >"$program/Balls.cfg"
start_game "$program"
click_start_picture "$GameWindow"
click_storm jokers-and-bombs
still_plays jokers-and-bombs
exit_game "$GamePid" "$GameWindow"
[ "$(file_size "$program/Score.dat")" = 1082 ] || fail "Score.dat is $(file_size "$program/Score.dat") bytes"
cmp -s "$program/Balls.cfg" <(printf '\001\001\001\002\000\001\001\001\001\001\000') ||
  fail "the settings changed although no one opened the settings dialog"
