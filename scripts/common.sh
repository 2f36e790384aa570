# Shared by scripts/play, scripts/check, scripts/fuzz and scripts/package: the Debian packages the game
# needs, and the builds. Each step says what it does in one line; what the tools print goes to a log
# in the build folder, whose end is shown, with the log's path, when the step fails.

# What playing needs: the compiler, the build tools, and the libraries the game is built and run with.
BRINDLOW_PLAY_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
  # Qt Charts' CMake files need Qt OpenGL's, which the Debian package does not bring along.
  qt6-charts-dev libqt6opengl6-dev
  # The translations: lupdate and lrelease, Qt's CMake support for them (whose package brings the
  # other Qt tools along), and Qt's own translations of its dialogs' texts.
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev libasound2-dev libfluidsynth-dev timgm6mb-soundfont
  libjpeg62-turbo-dev
  fonts-liberation
)

# Everything the build, the game and the tests use, by Debian package name.
BRINDLOW_PACKAGES=(
  "${BRINDLOW_PLAY_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick sox
  # The include-order check of the source folders (tests/structure).
  python3
  # The start-up benchmark watches for the first frame through the X damage extension.
  libxcb-damage0-dev
  dpkg-dev fakeroot desktop-file-utils appstream librsvg2-bin groff-base
  clang-14 libclang-rt-14-dev
  ccache
)

# run_logged <log> <step> <command...>: runs the command with its output added to the log. When it
# fails: the log's end and its path on standard error, and the command's status.
run_logged() {
  local log=$1 step=$2; shift 2
  mkdir -p "$(dirname "$log")"
  local status=0
  "$@" >>"$log" 2>&1 || status=$?
  [ "$status" -eq 0 ] && return 0
  echo "$step failed (status $status). The end of its log:" >&2
  tail -n 30 "$log" >&2
  echo "The whole log: $log" >&2
  return "$status"
}

# install_missing_packages [package...]: installs those of the packages (BRINDLOW_PACKAGES when none are
# named) that are not installed yet, logging to build/packages.log; silent when none is missing.
install_missing_packages() {
  local wanted=("$@") missing=() pkg
  [ ${#wanted[@]} -eq 0 ] && wanted=("${BRINDLOW_PACKAGES[@]}")
  for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local log=build/packages.log sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  mkdir -p build && : >"$log"
  echo "Updating the package lists (log: $log)"
  run_logged "$log" "Updating the package lists" "${sudo[@]}" apt-get update || return
  echo "Installing ${#missing[@]} packages: ${missing[*]}"
  run_logged "$log" "Installing the packages" "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
}

# show_build_progress: reads ninja's steps ("[done/total] what") and keeps the latest on one line of
# the terminal, which it clears at the end; shows nothing when the output is not a terminal.
show_build_progress() {
  local line width
  width=$(tput cols 2>/dev/null || echo 80)
  [ -t 1 ] || { cat >/dev/null; return 0; }
  local shown=0
  while IFS= read -r line; do
    [[ $line == \[*/*\]* ]] || continue
    printf '\r\033[K%s' "${line:0:width-1}"
    shown=1
  done
  [ "$shown" = 0 ] || printf '\r\033[K'
}

# build_targets <build folder> <what> [target...]: builds the targets (all when none are named) with
# one line of progress and the output in <build folder>/build.log; then, when anything was built,
# one line that says so.
build_targets() {
  local dir=$1 what=$2; shift 2
  local log=$dir/build.log targets=() start=$SECONDS
  [ $# -gt 0 ] && targets=(--target "$@")
  mkdir -p "$dir"
  # The build's status, not the progress line's, whatever the caller's options.
  local -
  set -o pipefail
  local status=0
  cmake --build "$dir" -j "$(nproc)" "${targets[@]}" 2>&1 | tee "$log" | show_build_progress || status=$?
  if [ "$status" -ne 0 ]; then
    echo "Building $what failed (status $status). The end of its log:" >&2
    tail -n 30 "$log" >&2
    echo "The whole log: $log" >&2
    return "$status"
  fi
  grep -q '^\[[0-9]*/[0-9]*\]' "$log" && echo "Built $what in $((SECONDS - start)) s"
  return 0
}

# configure <build folder> [extra cmake arguments...]: a Ninja build with debug information (unless the
# arguments name another build type), logged to <build folder>/configure.log.
configure() {
  local dir=$1; shift
  mkdir -p "$dir" && : >"$dir/configure.log"
  echo "Configuring $dir (log: $dir/configure.log)"
  local cache=()
  command -v ccache >/dev/null && cache=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  run_logged "$dir/configure.log" "Configuring $dir" \
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cache[@]}" "$@"
}

# The check's three builds compile much the same sources again; ccache, where it is installed, keeps
# them between runs and between clones (paths are taken relative to the clone, not its folder).
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1

# configure_and_build <build folder> [extra cmake arguments...]: everything, tests included, each
# source compiled on its own (a folder first configured for playing is set back).
configure_and_build() {
  local dir=$1; shift
  configure "$dir" -DBRINDLOW_TESTS=ON -DCMAKE_UNITY_BUILD=OFF "$@" && build_targets "$dir" "everything in $dir"
}

# configure_for_playing <build folder>: the game alone, built for the shortest wait: no tests, no
# debug information, and each library's sources compiled a few at a time as one unit, so the Qt
# headers are read once per unit rather than once per file. Assertions stay on in every build type.
configure_for_playing() {
  configure "$1" -DBRINDLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON
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
  CC=clang-14 CXX=clang++-14 configure build-fuzz -DBRINDLOW_FUZZ=ON &&
    build_targets build-fuzz "the fuzz targets" brindlow_fuzzers
}
