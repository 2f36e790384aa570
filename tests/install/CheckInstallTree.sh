#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the conventional layout, valid desktop files, and the installed
# game started from its menu entry's command for a few seconds.
# Usage: CheckInstallTree.sh <build folder> <app id> <icon sizes...>
set -euo pipefail
. "$(dirname "$0")/InstalledGame.sh"
build=$1 id=$2; shift 2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/brindlow-install-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
check_installed_files "$prefix" "$id" "$@"

mkdir -p "$scratch/home" "$scratch/run"
chmod 700 "$scratch/run"
command=$(menu_command "$prefix/share/applications/$id.desktop")
[ "$(PATH=$prefix/bin command -v "$command")" = "$prefix/bin/brindlow" ] ||
  fail "the menu entry's command '$command' is not the installed game"
run_for_a_while 4 env -u XDG_DATA_HOME PATH="$prefix/bin:$PATH" HOME="$scratch/home" \
  XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy $command

# XDG_DATA_HOME unset: the default under the home folder, made with its missing parents. The player
# may write the prefix, but the bank in share/brindlow marks the copy as installed all the same.
check_player_files "$scratch/home/.local/share" "$(id -un)"
check_no_player_files "$prefix/bin"
check_no_player_files "$prefix/share/brindlow"
echo "installed tree under $prefix: layout, desktop entry, store listing, icons, manual page and a run are fine"
