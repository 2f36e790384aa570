# Shared by scripts/play, scripts/check and scripts/fuzz: the Debian packages the game needs, and the builds.

# Everything the build, the game and the tests use, by Debian package name.
BRINDLOW_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
  # Qt Charts' CMake files need Qt OpenGL's, which the Debian package does not bring along.
  qt6-charts-dev libqt6opengl6-dev
  # The translations: lupdate and lrelease, Qt's CMake support for them (whose package brings the
  # other Qt tools along), and Qt's own translations of its dialogs' texts.
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  xvfb xdotool imagemagick sox
  dpkg-dev fakeroot desktop-file-utils appstream librsvg2-bin groff-base
  clang-14 libclang-rt-14-dev
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

# The sanitizers' settings for the sanitizer build's tests and the fuzz targets: every report ends
# the program with a failure; the leak checker skips only what the system libraries keep for good.
export_sanitizer_options() {
  # intercept_strndup=0: the X keyboard library hands strndup buffers that end without a NUL, which
  # is allowed and which strict_string_checks would report as an overflow on every start under X.
  export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1:strict_string_checks=1:intercept_strndup=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
}

# The fuzz targets in build-fuzz: clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
configure_and_build_fuzzers() {
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRINDLOW_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j "$(nproc)" --target brindlow_fuzzers
}
