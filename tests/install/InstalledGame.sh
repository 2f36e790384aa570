# Checks shared by the tests of an installed game: its files, its menu entry and one run of it.
# Sourced; every check that fails prints why and ends the test with status 1.

fail() { echo "FAIL: $*" >&2; exit 1; }

# check_installed_files <prefix> <app id> <icon sizes...>
check_installed_files() {
  local prefix=$1 id=$2; shift 2
  local file
  for file in bin/brindlow share/brindlow/Sound.dat share/applications/$id.desktop \
              share/metainfo/$id.metainfo.xml share/man/man6/brindlow.6.gz share/doc/brindlow/guide.html \
              share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/$file" ] || fail "$prefix/$file is missing"
  done
  [ -x "$prefix/bin/brindlow" ] || fail "$prefix/bin/brindlow is not executable"
  local size icon
  for size in "$@"; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "$icon is missing"
    # A PNG's width and height stand at bytes 16 to 23 of its header chunk.
    [ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
      fail "$icon is not $size × $size"
  done
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not validate"
  grep -qx 'Categories=Game;LogicGame;' "$prefix/share/applications/$id.desktop" || fail "wrong menu categories"
  grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the menu entry names another icon"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "the store listing does not validate"
  local warnings
  warnings=$(zcat "$prefix/share/man/man6/brindlow.6.gz" | groff -man -Tutf8 -ww -z 2>&1) || fail "groff failed"
  [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
}

# The command of the menu entry, without its field codes (%f, %U, ...).
menu_command() {
  sed -n 's/^Exec=//p' "$1" | awk 'NR == 1' | sed 's/ *%[a-zA-Z]//g'
}

# run_for_a_while <seconds> <command...>: the game must still be running when the time is up.
run_for_a_while() {
  local seconds=$1; shift
  local status=0
  timeout --signal=TERM --kill-after=5 "$seconds" "$@" || status=$?
  # timeout reports 124 when it had to end the command: the game stayed up until then.
  [ "$status" -eq 124 ] || fail "the game ended by itself with status $status within $seconds s"
}

# check_player_files <data home> <owner>: the settings and scores landed in the player's data folder.
check_player_files() {
  local folder=$1/brindlow owner=$2
  [ -d "$folder" ] || fail "$folder was not created"
  [ "$(stat -c %a "$folder")" = 700 ] || fail "$folder is not private (mode $(stat -c %a "$folder"))"
  [ "$(stat -c %U "$folder")" = "$owner" ] || fail "$folder is not owned by $owner"
  [ "$(stat -c %s "$folder/Balls.cfg" 2>/dev/null)" = 11 ] || fail "$folder/Balls.cfg is missing or not 11 bytes"
  [ "$(stat -c %s "$folder/Score.dat" 2>/dev/null)" = 1082 ] || fail "$folder/Score.dat is missing or not 1082 bytes"
}

# check_no_player_files <folder>: nothing of the player's was written into an installed folder.
check_no_player_files() {
  local name
  for name in Balls.cfg Score.dat Game.sav Game.lock '$$$$$.$$'; do
    [ ! -e "$1/$name" ] || fail "$1/$name was written into the installed game's folder"
  done
}
