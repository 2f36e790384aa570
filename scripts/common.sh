# Shared by scripts/play and scripts/check: the Debian packages the game needs, and the build.

# Everything the build, the game and the tests use, by Debian package name.
BRINDLOW_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xdotool imagemagick sox
  dpkg-dev fakeroot desktop-file-utils appstream librsvg2-bin groff-base
)

# Installs the packages that are not installed yet; quick when nothing is missing.
install_missing_packages() {
  local missing=() pkg
  for pkg in "${BRINDLOW_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build <build folder> [extra cmake arguments...]
configure_and_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
