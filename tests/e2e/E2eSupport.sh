# Shared by the whole-program tests: a private X display, a private copy of the game, and the mouse and keys
# that drive it. Sourced by each test; every failed check prints why and ends the test with status 1.
# Usage of every test: <test>.sh <folder with brindlow and Sound.dat> [seconds before the test gives up];
# BRINDLOW_E2E_KEEP=1 keeps its pictures.

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

GameTitle='^Brindlow v1\.52$'
# The main window's client layout: the board's corner, a cell's side, the buttons' column and rows.
BoardX=10 BoardY=75 CellSide=40
ButtonX=416 NewY=96 TopTenY=144 OptionsY=192 AboutY=240 HelpY=288 ExitY=415

StartedPids=()

# Ends what this test started, newest first, and removes its folders; a failed test keeps its pictures and log.
e2e_cleanup() {
  local status=$? index
  local failed=$((status != 0 && status != 77))
  [ -n "${Watchdog:-}" ] && kill -TERM "$Watchdog" 2>/dev/null
  [ "$failed" -eq 1 ] && [ -n "${E2eRoot:-}" ] && screenshot failure >/dev/null 2>&1
  for ((index = ${#StartedPids[@]} - 1; index >= 0; index--)); do
    kill -KILL "${StartedPids[index]}" 2>/dev/null
    wait "${StartedPids[index]}" 2>/dev/null
  done
  [ -n "${E2eRoot:-}" ] || return
  if [ "$failed" -eq 1 ] || [ -n "${BRINDLOW_E2E_KEEP:-}" ]; then
    echo "kept for a look: $E2eRoot/shots and $E2eRoot/game.log" >&2
  else
    rm -rf "$E2eRoot"
  fi
}

# e2e_setup <build bin folder> [seconds]: skips the test (status 77) without Xvfb or xdotool, then starts a display
# of its own and gives the game a home, a data folder and a runtime folder that nothing else uses. After the given
# seconds the test fails by itself, still ending what it started, before a harness's hard kill could orphan it.
e2e_setup() {
  BinFolder=$1
  local tool
  for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  [ -x "$BinFolder/brindlow" ] && [ -f "$BinFolder/Sound.dat" ] || fail "no game in $BinFolder"
  E2eRoot=$(mktemp -d "${TMPDIR:-/tmp}/brindlow-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'echo "FAIL: out of time or interrupted" >&2; exit 1' INT TERM
  if [ -n "${2:-}" ]; then
    (
      sleep "$2" &
      pause=$!
      trap 'kill $pause 2>/dev/null; exit 0' TERM
      wait "$pause" && kill -TERM $$
    ) &
    Watchdog=$!
  fi
  mkdir -p "$E2eRoot/home" "$E2eRoot/data" "$E2eRoot/runtime" "$E2eRoot/shots"
  chmod 700 "$E2eRoot/runtime"
  export HOME=$E2eRoot/home XDG_DATA_HOME=$E2eRoot/data XDG_RUNTIME_DIR=$E2eRoot/runtime
  export SDL_AUDIODRIVER=dummy
  unset QT_QPA_PLATFORM SESSION_MANAGER
  start_display
  UnpackFolder=$XDG_RUNTIME_DIR/brindlow-$(id -u)
}

# Xvfb picks a free display number itself and writes it to the descriptor that -displayfd names. Without -noreset
# the server resets whenever its last client goes, and a game started in that moment finds no display.
start_display() {
  local numberFile=$E2eRoot/display
  Xvfb -displayfd 9 -screen 0 1024x600x24 -nolisten tcp -noreset 9>"$numberFile" 2>"$E2eRoot/xvfb.log" &
  StartedPids+=($!)
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    [ -s "$numberFile" ] && break
    sleep 0.1
  done
  [ -s "$numberFile" ] || fail "Xvfb did not start: $(cat "$E2eRoot/xvfb.log")"
  export DISPLAY=:$(head -n1 "$numberFile")
}

# new_program_folder <name>: a copy of the game in a folder of its own, where its settings and scores will land.
new_program_folder() {
  local folder=$E2eRoot/$1
  mkdir -p "$folder"
  cp "$BinFolder/brindlow" "$BinFolder/Sound.dat" "$folder/"
  echo "$folder"
}

# start_game <program folder>: runs the game; sets GamePid and GameWindow once its main window is mapped.
# Copies started one after the other stand side by side, so that a click meant for one never lands on the other.
GamesStarted=0
start_game() {
  "$1/brindlow" >>"$E2eRoot/game.log" 2>&1 &
  GamePid=$!
  StartedPids+=("$GamePid")
  GameWindow=$(wait_for_window "$GamePid" "$GameTitle") || fail "the main window of $GamePid did not appear"
  xdotool windowmove --sync "$GameWindow" $((GamesStarted % 2 * 540)) 0
  GamesStarted=$((GamesStarted + 1))
}

# wait_for_window <pid> <title pattern> [seconds]: prints the id of the visible window once it is shown.
wait_for_window() {
  local pid=$1 title=$2 seconds=${3:-15} found tries
  for ((tries = 0; tries < seconds * 10; tries++)); do
    found=$(xdotool search --all --onlyvisible --pid "$pid" --name "$title" 2>/dev/null | head -n1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# wait_window_gone <pid> <title pattern>: succeeds once no visible window of that title is left.
wait_window_gone() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    [ -z "$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  return 1
}

# click_at <window> <x> <y>: a left click at client coordinates of the window.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# click_cell <window> <cell 1..81>
click_cell() {
  local cell=$(($2 - 1))
  click_at "$1" $((BoardX + cell % 9 * CellSide + CellSide / 2)) $((BoardY + cell / 9 * CellSide + CellSide / 2))
}

# press_in <window> <key>: gives the window the keyboard and presses the key.
press_in() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key "$2"
}

# screenshot <name>: the whole display, kept in the test's folder (and printed) for a look when a test fails.
screenshot() {
  import -window root "$E2eRoot/shots/$1.png" && echo "$E2eRoot/shots/$1.png"
}

# file_size <path>: its size in bytes, or "missing".
file_size() { stat -c %s "$1" 2>/dev/null || echo missing; }

# read_board <window>: 81 words, cell 1 first: "." for an empty cell, else the colour at the cell's centre.
read_board() {
  local shot=$E2eRoot/board.png
  import -window "$1" "$shot" || fail "cannot take a picture of window $1"
  convert "$shot" -crop $((9 * CellSide))x$((9 * CellSide))+$BoardX+$BoardY +repage -sample 9x9! txt:- |
    awk 'NR > 1 { print ($3 == "#000000" ? "." : $3) }' | tr '\n' ' '
}

# settled_board <window>: the board once three pictures over 0.6 s agree (no animation is running, even on a
# loaded machine), except for the selected ball, whose jump never ends: it is shown as "?".
settled_board() {
  local previous current tries cell differing agreed=0
  read -r -a previous <<<"$(read_board "$1")"
  for ((tries = 0; tries < 60; tries++)); do
    sleep 0.3
    read -r -a current <<<"$(read_board "$1")"
    differing=()
    for ((cell = 0; cell < 81; cell++)); do
      [ "${current[cell]}" = "${previous[cell]}" ] || differing+=("$cell")
    done
    if [ "${#differing[@]}" -eq 1 ] && [ "${current[differing[0]]}" != . ] && [ "${previous[differing[0]]}" != . ]; then
      current[differing[0]]='?'
      differing=()
    fi
    if [ "${#differing[@]}" -eq 0 ]; then
      agreed=$((agreed + 1))
      [ "$agreed" -ge 2 ] && { echo "${current[*]}"; return 0; }
    else
      agreed=0
    fi
    previous=("${current[@]}")
  done
  fail "the board kept changing for 18 s"
}

# is_dark <#RRGGBB>: every channel below a third of full brightness.
is_dark() {
  local colour=${1#\#}
  [ $((16#${colour:0:2})) -lt 80 ] && [ $((16#${colour:2:2})) -lt 80 ] && [ $((16#${colour:4:2})) -lt 80 ]
}

# count_balls <board words...>
count_balls() {
  local word count=0
  for word in "$@"; do [ "$word" = . ] || count=$((count + 1)); done
  echo "$count"
}

# click_start_picture <window>: the first click starts the first game; the board then holds only its first balls.
click_start_picture() {
  click_at "$1" 230 400
  local board
  board=$(settled_board "$1")
  local balls
  balls=$(count_balls $board)
  [ "$balls" -ge 3 ] && [ "$balls" -le 9 ] || fail "after the start picture the board shows $balls balls: $board"
}

# play_move <window>: moves a ball to an empty neighbour, which a route always reaches, and checks the result:
# the ball stands at its goal and new balls came, or a line vanished and the board holds fewer balls.
play_move() {
  local window=$1 board cells before after cell neighbour from= to= colour
  board=$(settled_board "$window")
  read -r -a cells <<<"$board"
  before=$(count_balls "${cells[@]}")
  for ((cell = 1; cell <= 81; cell++)); do
    [ -z "$from" ] || break
    case ${cells[cell - 1]} in .|'?') continue ;; esac
    # A bomb (dark at its centre) blasts where it lands instead of standing there: leave it be.
    is_dark "${cells[cell - 1]}" && continue
    for neighbour in $((cell - 9)) $((cell + 9)) $(((cell - 1) % 9 > 0 ? cell - 1 : 0)) \
                     $(((cell - 1) % 9 < 8 ? cell + 1 : 0)); do
      if [ "$neighbour" -ge 1 ] && [ "$neighbour" -le 81 ] && [ "${cells[neighbour - 1]}" = . ]; then
        from=$cell to=$neighbour
        break
      fi
    done
  done
  [ -n "$from" ] || fail "no ball has an empty neighbour: $board"
  colour=${cells[from - 1]}
  click_cell "$window" "$from"
  sleep 0.3
  click_cell "$window" "$to"
  read -r -a cells <<<"$(settled_board "$window")"
  after=$(count_balls "${cells[@]}")
  if [ "$after" -ge "$before" ]; then
    [ "${cells[to - 1]}" = "$colour" ] || fail "ball $from ($colour) did not reach $to: ${cells[*]}"
    [ "$after" -gt "$before" ] || fail "no new balls came after moving $from to $to"
  fi
  MovesPlayed=$((MovesPlayed + 1))
}

# open_and_close <pid> <button y> <dialog title> <key>: opens a dialog from the main window and closes it by a key.
open_and_close() {
  local pid=$1 y=$2 title=$3 key=$4 dialog
  click_at "$GameWindow" "$ButtonX" "$y"
  dialog=$(wait_for_window "$pid" "$title") || fail "the $title dialog did not open"
  sleep 0.3
  press_in "$dialog" "$key"
  wait_window_gone "$pid" "$title" || fail "the $title dialog stayed open after $key"
}

# answer_dialogs <pid>: a full board or a new game may have brought a record's name dialog and then the top ten;
# accept them as a player would, until none is left.
answer_dialogs() {
  local dialog tries
  for ((tries = 0; tries < 10; tries++)); do
    dialog=$(xdotool search --all --onlyvisible --pid "$1" --name '^Enter Your Name$|^Top Ten$' 2>/dev/null | head -n1)
    [ -n "$dialog" ] || return 0
    press_in "$dialog" Return
    sleep 0.3
  done
}

# exit_game <pid> <window>: clicks Exit, answers a record's name dialog if one comes, and expects status 0.
exit_game() {
  local pid=$1 window=$2 tries status
  click_at "$window" "$ButtonX" "$ExitY"
  for ((tries = 0; tries < 50; tries++)); do
    kill -0 "$pid" 2>/dev/null || break
    answer_dialogs "$pid"
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the game was still running 10 s after Exit"
  status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the game ended with status $status after Exit"
}
