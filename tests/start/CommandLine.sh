#!/usr/bin/env bash
# The built game's command line from outside: --help and --version answer without a display and
# without writing a file; an unknown option ends with the usage and status 2; all in the player's language.
# Usage: CommandLine.sh <game> <version>
set -euo pipefail
game=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brindlow-command-line-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin" "$scratch/home" "$scratch/run"
cp "$game" "$scratch/bin/brindlow"
# No display: starting the toolkit, let alone a window, would end the game with another status.
run() {
  env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb LANGUAGE="${language:-}" \
    "$scratch/bin/brindlow" "$@" >"$scratch/out" 2>"$scratch/err"
}

run --help || fail "--help ended with status $?: $(cat "$scratch/err")"
grep -q '^Usage: brindlow \[options\]$' "$scratch/out" || fail "--help printed no usage: $(cat "$scratch/out")"
grep -q -- '--version' "$scratch/out" || fail "--help does not list --version"
[ ! -s "$scratch/err" ] || fail "--help wrote to standard error: $(cat "$scratch/err")"

run --version || fail "--version ended with status $?: $(cat "$scratch/err")"
[ "$(cat "$scratch/out")" = "Brindlow $version" ] || fail "--version printed '$(cat "$scratch/out")'"
[ ! -s "$scratch/err" ] || fail "--version wrote to standard error: $(cat "$scratch/err")"

status=0
run --no-such-option || status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status"
grep -q "no-such-option" "$scratch/err" || fail "the error does not name the option: $(cat "$scratch/err")"
grep -q '^Usage: brindlow \[options\]$' "$scratch/err" || fail "no usage after an unknown option"
[ ! -s "$scratch/out" ] || fail "an unknown option wrote to standard output"

# The answers speak the player's language, the parser's own words as well.
status=0
language=de run --no-such-option || status=$?
[ "$status" = 2 ] || fail "an unknown option in German ended with status $status"
grep -q '^Aufruf: brindlow \[Optionen\]$' "$scratch/err" || fail "no German usage: $(cat "$scratch/err")"
! grep -q "Unknown option" "$scratch/err" || fail "the parser's error stayed English: $(cat "$scratch/err")"

# Not a file was written: beside the copy, in the home folder or in the runtime folder.
[ "$(ls -A "$scratch/bin")" = brindlow ] || fail "files appeared beside the game: $(ls -A "$scratch/bin")"
[ -z "$(find "$scratch/home" "$scratch/run" -mindepth 1)" ] || fail "files appeared in the home or runtime folder"
echo "--help, --version and an unknown option answer without a display and without a file"
