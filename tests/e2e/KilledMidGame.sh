#!/bin/bash
# SIGKILL in the middle of a game, as a crash or a power cut would end it: the next start takes the same game up
# when the start picture is clicked, board and file alike, and says so in the window; the next normal Exit ends it.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"

program=$(new_program_folder game)
GameFile=$program/Game.sav
MovesPlayed=0

start_game "$program"
click_start_picture "$GameWindow"
[ -e "$GameFile" ] && fail "a game that has not moved yet was saved"
for move in 1 2 3; do play_move "$GameWindow"; done
[ -s "$GameFile" ] || fail "no Game.sav after $MovesPlayed moves"
before=$(settled_board "$GameWindow")
cp "$GameFile" "$E2eRoot/kept"
screenshot before-kill >/dev/null
kill -KILL "$GamePid"
wait "$GamePid" 2>/dev/null
cmp -s "$GameFile" "$E2eRoot/kept" || fail "the kill changed Game.sav"

start_game "$program"
screenshot start-picture >/dev/null
click_at "$GameWindow" 230 400
after=$(settled_board "$GameWindow")
[ "$after" = "$before" ] || fail "the game taken up differs from the one killed:
before: $before
after:  $after"
cmp -s "$GameFile" "$E2eRoot/kept" || fail "taking the game up changed Game.sav"
# The notice lies in the strip between the score displays and the board: some dark text on the button face.
import -window "$GameWindow" "$E2eRoot/shots/resumed.png" || fail "cannot take a picture of the window"
dark=$(convert "$E2eRoot/shots/resumed.png" -crop 360x15+10+60 +repage -colorspace Gray -threshold 40% \
  -format '%[fx:round((1-mean)*w*h)]' info:)
[ "$dark" -gt 40 ] || fail "no notice says the game was taken up ($dark dark pixels under the displays)"
note "the killed game came back after $MovesPlayed moves, with its notice ($dark dark pixels)"

# A move puts the notice away and saves the game again; Exit ends it and its file.
play_move "$GameWindow"
import -window "$GameWindow" "$E2eRoot/shots/played.png"
dark=$(convert "$E2eRoot/shots/played.png" -crop 360x15+10+60 +repage -colorspace Gray -threshold 40% \
  -format '%[fx:round((1-mean)*w*h)]' info:)
[ "$dark" -eq 0 ] || fail "the notice stayed after the next move ($dark dark pixels)"
cmp -s "$GameFile" "$E2eRoot/kept" && fail "the move after taking the game up was not saved"
exit_game "$GamePid" "$GameWindow"
[ -e "$GameFile" ] && fail "Game.sav outlived a normal Exit"

start_game "$program"
click_start_picture "$GameWindow"
exit_game "$GamePid" "$GameWindow"
note "after Exit the next start began a new game"
