#!/bin/bash
# Thousands of clicks on the board, many of them while balls walk, grow and break: the game must stay up, its
# board must still follow the rules afterwards, and Exit must still end it.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$1"

Seed=${BRINDLOW_E2E_SEED:-$(date +%s)}
RANDOM=$Seed
note "clicks drawn from seed $Seed (BRINDLOW_E2E_SEED repeats them)"
ClickLimit=3000 TimeLimit=30 Batch=50

program=$(new_program_folder game)
start_game "$program"
click_start_picture "$GameWindow"

clicks=0 batches=0 start=$SECONDS
while [ "$clicks" -lt "$ClickLimit" ] && [ $((SECONDS - start)) -lt "$TimeLimit" ]; do
  chain=()
  for ((i = 0; i < Batch; i++)); do
    chain+=(mousemove --window "$GameWindow" $((BoardX + RANDOM % (9 * CellSide))) $((BoardY + RANDOM % (9 * CellSide)))
            click --delay 1 1 sleep 0.005)
  done
  # Now and then a new game starts in the middle of whatever runs.
  batches=$((batches + 1))
  [ $((batches % 15)) -eq 0 ] && chain+=(mousemove --window "$GameWindow" "$ButtonX" "$NewY" click 1)
  xdotool "${chain[@]}" 2>/dev/null
  clicks=$((clicks + Batch))
  kill -0 "$GamePid" 2>/dev/null || { wait "$GamePid"; fail "the game ended (status $?) after $clicks clicks"; }
  answer_dialogs "$GamePid"
done
note "$clicks clicks in $((SECONDS - start)) s"
screenshot after-clicks

# Let the queued clicks drain, then the board must still play by the rules: a picture that disagreed with the
# board would show a ball that cannot be selected or a cell that is not free.
for ((tries = 0; tries < 20; tries++)); do
  answer_dialogs "$GamePid"
  sleep 0.5
done
kill -0 "$GamePid" 2>/dev/null || fail "the game ended while its queued clicks were handled"
MovesPlayed=0
read -r -a cells <<<"$(settled_board "$GameWindow")"
if [ "$(count_balls "${cells[@]}")" -gt 70 ]; then
  # Nearly full: a click on a full board starts the next game.
  click_at "$GameWindow" "$ButtonX" "$NewY"
  sleep 1
  answer_dialogs "$GamePid"
fi
for move in 1 2 3; do play_move "$GameWindow"; done
exit_game "$GamePid" "$GameWindow"
[ "$(file_size "$program/Score.dat")" = 1082 ] || fail "Score.dat is $(file_size "$program/Score.dat") bytes"
