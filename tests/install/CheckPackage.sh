#!/usr/bin/env bash
# The Debian package on this machine: built with CPack, installed with dpkg, started from its menu
# entry's command by an ordinary user, and purged without a trace. Needs root; skipped (77) otherwise.
# Usage: CheckPackage.sh <build folder> <app id> <icon sizes...>
set -euo pipefail
. "$(dirname "$0")/InstalledGame.sh"
build=$(cd "$1" && pwd) id=$2; shift 2
skip() { echo "SKIP: $*"; exit 77; }

# The package that owns a library, under whichever of its names (link, /lib or /usr/lib) dpkg recorded.
package_owning() {
  local real name owner
  real=$(readlink -f "$1")
  for name in "$1" "$real" "${real#/usr}" "/usr${1#/usr}"; do
    # awk reads to the end: a reader that stops early would kill the writer with SIGPIPE, which
    # pipefail turns into a failure.
    owner=$(dpkg -S "$name" 2>/dev/null | awk -F: 'NR == 1 {print $1}') || true
    [ -n "$owner" ] && { echo "$owner"; return 0; }
  done
  return 1
}

[ "$(id -u)" = 0 ] || skip "installing a package needs root"
for tool in apt-get dpkg dpkg-deb dpkg-shlibdeps cpack runuser; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
player=nobody
id "$player" >/dev/null 2>&1 || skip "there is no user '$player' to play as"
# One run at a time on this machine, and never over a copy that someone installed on purpose.
exec 9>/run/lock/brindlow-package-test.lock
flock 9
if dpkg-query -W -f='${Status}' brindlow 2>/dev/null | grep -q installed; then
  skip "a brindlow package is installed already; it is left alone"
fi

scratch=$(mktemp -d /tmp/brindlow-package-XXXXXX)
chmod 755 "$scratch"
installed=0
# Through apt, as a player would, waiting while someone else holds the package database.
apt_run() {
  DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 --no-install-recommends "$@" \
    >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log" >&2; fail "apt-get $* failed"; }
}
cleanup() {
  [ "$installed" = 1 ] && apt_run purge brindlow
  rm -rf "$scratch"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/brindlow_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Whether a package is among the dependencies, by its exact name (versions and alternatives aside).
depends_on() { tr ',|' '\n\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$1"; }
for package in libqt6widgets6 libqt6gui6 libjpeg62-turbo timgm6mb-soundfont fonts-liberation; do
  depends_on "$package" || fail "the package does not depend on $package"
done
# Every library the game links comes from a package that it depends on.
mkdir "$scratch/tree"
dpkg-deb -x "$deb" "$scratch/tree"
for library in $(objdump -p "$scratch/tree/usr/bin/brindlow" | awk '/NEEDED/ {print $2}'); do
  path=$(ldconfig -p | awk -v name="$library" '$1 == name && path == "" {path = $NF} END {print path}')
  [ -n "$path" ] || fail "$library is not on this machine"
  owner=$(package_owning "$path") || fail "no package owns $path"
  depends_on "$owner" || fail "the game links $library from $owner, which the package does not depend on"
done

installed=1
apt_run install "$deb"
dpkg -L brindlow > "$scratch/files"
check_installed_files /usr "$id" "$@"
if command -v man >/dev/null; then
  [ "$(man -w 6 brindlow 2>/dev/null)" = /usr/share/man/man6/brindlow.6.gz ] || fail "man does not find the manual page"
fi

# An ordinary player, who may not write /usr/bin, starts the game from the menu entry's command.
home=$scratch/home
mkdir -p "$home" "$scratch/run"
chown "$player" "$home" "$scratch/run"
chmod 700 "$scratch/run"
command=$(menu_command "/usr/share/applications/$id.desktop")
[ "$(command -v "$command")" = /usr/bin/brindlow ] || fail "the menu entry's command '$command' is not the installed game"
(cd "$home" && run_for_a_while 5 runuser -u "$player" -- env -i PATH=/usr/bin:/bin HOME="$home" \
  XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  $command)
check_player_files "$home/data" "$player"
check_no_player_files /usr/bin
check_no_player_files /usr/share/brindlow

apt_run purge brindlow
installed=0
! dpkg-query -W brindlow >/dev/null 2>&1 || fail "dpkg still knows the package after the purge"
while read -r path; do
  [ -d "$path" ] || [ ! -e "$path" ] || fail "$path is still there after the purge"
done < "$scratch/files"
[ ! -e /usr/share/brindlow ] || fail "/usr/share/brindlow is still there after the purge"
echo "package $(basename "$deb"): depends, installs, starts for $player from the menu, purges cleanly"
