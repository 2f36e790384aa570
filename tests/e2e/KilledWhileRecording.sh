#!/bin/bash
# SIGKILL at a random moment after a record's name is accepted, while the game writes its top-ten table: the next
# start finds a whole table, with the record or without it, and plays on.
# Usage: KilledWhileRecording.sh <folder with brindlow, Sound.dat and brindlow-e2e-table> [seconds]
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"
Table=$BinFolder/brindlow-e2e-table
[ -x "$Table" ] || fail "no $Table"

Seed=${BRINDLOW_E2E_SEED:-$(date +%s)}
RANDOM=$Seed
note "kill moments drawn from seed $Seed (BRINDLOW_E2E_SEED repeats them)"
Rounds=${BRINDLOW_E2E_RECORD_ROUNDS:-2}
program=$(new_program_folder game)
MovesPlayed=0

# reachable <board words...>: sets Reached[cell]=1 for every empty cell a ball at $From can walk to.
reachable() {
  local cells=("$@") queue=("$From") cell next
  Reached=()
  while [ "${#queue[@]}" -gt 0 ]; do
    cell=${queue[0]}
    queue=("${queue[@]:1}")
    for next in $((cell - 9)) $((cell + 9)) $(((cell - 1) % 9 > 0 ? cell - 1 : 0)) $(((cell - 1) % 9 < 8 ? cell + 1 : 0)); do
      [ "$next" -ge 1 ] && [ "$next" -le 81 ] || continue
      [ "${cells[next - 1]}" = . ] && [ -z "${Reached[next]:-}" ] || continue
      Reached[next]=1
      queue+=("$next")
    done
  done
}

# line_move <board words...>: picks the move that adds a ball to the fullest stretch of five cells holding one
# colour and nothing else; sets From and To.
line_move() {
  local cells=("$@") best=-1 start step k cell colour count free window
  From= To= BestFrom= BestTo=
  for start in $(seq 1 81); do
    for step in 1 9; do
      # A stretch of five along a row (step 1) or down a column (step 9) inside the board.
      if [ "$step" -eq 1 ]; then [ $(((start - 1) % 9)) -le 4 ] || continue; else [ "$start" -le 45 ] || continue; fi
      colour= count=0 free=() window=" "
      for ((k = 0; k < 5; k++)); do
        cell=$((start + k * step))
        window+="$cell "
        case ${cells[cell - 1]} in
          .) free+=("$cell") ;;
          '?') count=-9 ;;
          *)
            if [ -z "$colour" ]; then colour=${cells[cell - 1]}; fi
            [ "${cells[cell - 1]}" = "$colour" ] && count=$((count + 1)) || count=-9
            ;;
        esac
      done
      [ -n "$colour" ] && [ "$count" -gt "$best" ] && [ "${#free[@]}" -gt 0 ] || continue
      # A ball of that colour from outside the stretch that can walk into it.
      for ((cell = 1; cell <= 81; cell++)); do
        [ "${cells[cell - 1]}" = "$colour" ] && [[ $window != *" $cell "* ]] || continue
        From=$cell
        reachable "${cells[@]}"
        local target
        for target in "${free[@]}"; do
          if [ -n "${Reached[target]:-}" ]; then
            best=$count BestFrom=$cell BestTo=$target
            break 2
          fi
        done
      done
    done
  done
  From=${BestFrom:-} To=${BestTo:-}
  [ "$best" -ge 0 ]
}

# score_a_line: plays until a move of its own completes a line (its ball vanishes at the goal), starting over
# when the board gets crowded.
score_a_line() {
  local moves cells
  for ((moves = 0; moves < 60; moves++)); do
    read -r -a cells <<<"$(settled_board "$GameWindow")"
    if [ "$(count_balls "${cells[@]}")" -gt 45 ] || ! line_move "${cells[@]}"; then
      click_at "$GameWindow" "$ButtonX" "$NewY"
      sleep 1
      continue
    fi
    click_cell "$GameWindow" "$From"
    sleep 0.2
    click_cell "$GameWindow" "$To"
    read -r -a cells <<<"$(settled_board "$GameWindow")"
    [ "${cells[To - 1]}" = . ] && { note "a line after $((moves + 1)) moves"; return 0; }
  done
  fail "no line in 60 moves"
}

# table_state: "empty" for the table as written, "record" for it with one record of ten points on top.
table_state() {
  local shown
  shown=$("$Table" show "$program") || fail "the table is not whole: $shown"
  [ "$(echo "$shown" | wc -l)" = 30 ] || fail "the table has not 30 places"
  if [ "$(echo "$shown" | awk '$3 != 0' | wc -l)" = 0 ]; then
    echo empty
  elif [ "$(echo "$shown" | awk '$3 != 0 { print $1, $2, $3 }')" = "0 1 10" ]; then
    echo record
  else
    fail "the table holds what no one entered: $(echo "$shown" | awk '$3 != 0')"
  fi
}

Saved=0 Lost=0
for ((round = 1; round <= Rounds; round++)); do
  rm -f "$program/Score.dat" "$program/Balls.cfg"
  "$Table" write "$program" || fail "cannot write the starting table"
  start_game "$program"
  click_start_picture "$GameWindow"
  score_a_line
  # Exit offers the score; the name dialog takes the default name, and the table is written as it closes.
  click_at "$GameWindow" "$ButtonX" "$ExitY"
  dialog=$(wait_for_window "$GamePid" '^Enter Your Name$') || fail "round $round: no name dialog for a record"
  sleep 0.2
  xdotool windowfocus --sync "$dialog"
  # The kill falls up to 20 ms either side of the key, so that it may land before, during or after the writing.
  (sleep "$(printf '0.%03d' $((RANDOM % 40)))" && kill -KILL "$GamePid" 2>/dev/null) &
  killer=$!
  sleep 0.020
  xdotool key Return
  wait "$killer"
  wait "$GamePid" 2>/dev/null
  state=$(table_state) || exit 1
  [ "$state" = record ] && Saved=$((Saved + 1)) || Lost=$((Lost + 1))

  start_game "$program"
  click_start_picture "$GameWindow"
  open_and_close "$GamePid" "$TopTenY" '^Top Ten$' Escape
  play_move "$GameWindow"
  exit_game "$GamePid" "$GameWindow"
  [ "$(table_state)" = "$state" ] || fail "round $round: the next run changed the table the kill left"
  [ ! -e "$program/Score.dat.bad" ] || fail "round $round: the next run set the table aside as damaged"
  note "round $round: killed with the table $state"
done
note "$Saved kills after the record was stored, $Lost before"
