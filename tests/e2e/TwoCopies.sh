#!/bin/bash
# Two copies share the unpacked sound files: the first to close leaves them for the other, the last removes them,
# whichever closes first. A copy killed without its shut-down does not keep them for ever: the next copy removes
# them when it closes.
set -u
source "${0%/*}/E2eSupport.sh"
e2e_setup "$@"

program=$(new_program_folder game)
Counter=$UnpackFolder/Semaphore.qzr

# copies_running: the count of running copies kept beside the unpacked files.
copies_running() { od -An -tu1 -N1 "$Counter" 2>/dev/null | tr -d ' '; }

# unpacked_files: the number of files in the shared folder besides the counter.
unpacked_files() { find "$UnpackFolder" -maxdepth 1 -type f ! -name Semaphore.qzr 2>/dev/null | wc -l; }

# settled_unpacked_files: the number of unpacked files once a starting copy has finished writing them, which it
# does just after its first frame; 0 when none came within 15 s.
settled_unpacked_files() {
  local tries count stable=0 previous=-1
  for ((tries = 0; tries < 150 && stable < 3; tries++)); do
    count=$(unpacked_files)
    if [ "$count" -gt 0 ] && [ "$count" = "$previous" ]; then stable=$((stable + 1)); else stable=0; fi
    previous=$count
    sleep 0.1
  done
  echo "$count"
}

# counter_reaches <count>: succeeds once the counter says so, which a starting copy makes it say after its first
# frame, within 15 s.
counter_reaches() {
  local tries
  for ((tries = 0; tries < 150; tries++)); do
    [ "$(copies_running)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# run_pair <first to close: 1 or 2>
run_pair() {
  local order=$1 pids=() windows=() files
  start_game "$program"
  pids[1]=$GamePid windows[1]=$GameWindow
  files=$(settled_unpacked_files)
  [ "$files" -gt 0 ] || fail "the first copy unpacked nothing into $UnpackFolder"
  [ "$(copies_running)" = 1 ] || fail "one copy runs, the counter says $(copies_running)"
  start_game "$program"
  pids[2]=$GamePid windows[2]=$GameWindow
  counter_reaches 2 || fail "two copies run, the counter says $(copies_running)"
  # It writes the files again as it starts, after its count.
  [ "$(settled_unpacked_files)" = "$files" ] || fail "the second copy changed the unpacked files"

  local first=$order second=$((3 - order))
  click_start_picture "${windows[first]}"
  exit_game "${pids[first]}" "${windows[first]}"
  [ "$(unpacked_files)" = "$files" ] || fail "copy $first took the unpacked files from copy $second when it closed"
  [ "$(copies_running)" = 1 ] || fail "one copy is left, the counter says $(copies_running)"
  # The copy left behind still plays from the files.
  click_start_picture "${windows[second]}"
  play_move "${windows[second]}"
  exit_game "${pids[second]}" "${windows[second]}"
  [ -z "$(ls -A "$UnpackFolder" 2>/dev/null)" ] ||
    fail "closing copy $first, then copy $second, left $(ls -A "$UnpackFolder" | tr '\n' ' ')"
  note "copy $first closed first, then copy $second: nothing left behind"
}

MovesPlayed=0
run_pair 1
run_pair 2

# after_a_killed_copy <copies killed first>
after_a_killed_copy() {
  local killed
  for ((killed = 1; killed <= $1; killed++)); do
    start_game "$program"
    # Killed holding the files it unpacked, not before it came to them.
    [ "$(settled_unpacked_files)" -gt 0 ] || fail "a copy unpacked nothing into $UnpackFolder"
    kill -KILL "$GamePid"
    wait "$GamePid" 2>/dev/null
  done
  [ "$(unpacked_files)" -gt 0 ] || fail "the killed copies unpacked nothing into $UnpackFolder"
  start_game "$program"
  click_start_picture "$GameWindow"
  exit_game "$GamePid" "$GameWindow"
  [ -z "$(ls -A "$UnpackFolder" 2>/dev/null)" ] ||
    fail "a copy closed after $1 killed ones left $(ls -A "$UnpackFolder" | tr '\n' ' ')"
  note "$1 copies killed, then one closed: nothing left behind"
}

after_a_killed_copy 1
after_a_killed_copy 3
