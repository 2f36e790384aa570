#!/bin/bash
# One whole session: the start picture, real moves by mouse, every dialog opened and closed, and Exit.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"

program=$(new_program_folder game)
start_game "$program"
click_start_picture "$GameWindow"
MovesPlayed=0
for move in 1 2 3 4 5; do play_move "$GameWindow"; done
screenshot after-moves

open_and_close "$GamePid" "$TopTenY" '^Top Ten$' Escape
open_and_close "$GamePid" "$OptionsY" '^Settings$' Escape
# The credits: each maker's card opens from its button and closes by its default button.
click_at "$GameWindow" "$ButtonX" "$AboutY"
about=$(wait_for_window "$GamePid" '^About$') || fail "the About dialog did not open"
for author in 0 1 2; do
  sleep 0.3
  click_at "$about" 140 $((84 + author * 36))
  card=$(wait_for_window "$GamePid" '^Mi !$') || fail "the card of maker $((author + 1)) did not open"
  sleep 0.3
  press_in "$card" Return
  wait_window_gone "$GamePid" '^Mi !$' || fail "the card of maker $((author + 1)) stayed open"
done
press_in "$about" Escape
wait_window_gone "$GamePid" '^About$' || fail "the About dialog stayed open after Escape"
open_and_close "$GamePid" "$HelpY" '^Playing Help$' space
# The window takes moves again once its dialogs are gone.
play_move "$GameWindow"

exit_game "$GamePid" "$GameWindow"
[ "$(file_size "$program/Balls.cfg")" = 11 ] || fail "Balls.cfg is $(file_size "$program/Balls.cfg") bytes"
[ "$(file_size "$program/Score.dat")" = 1082 ] || fail "Score.dat is $(file_size "$program/Score.dat") bytes"
[ ! -e "$program/\$\$\$\$\$.\$\$" ] || fail "the scrambler's work file was left behind"
[ -z "$(ls -A "$UnpackFolder" 2>/dev/null)" ] || fail "unpacked files were left: $(ls -A "$UnpackFolder")"
echo "played $MovesPlayed moves, opened every dialog and quit"
