#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then starts
# the game, runs the test suite, or installs the game as a Debian package.
#   tools/bootstrap.sh run      build only the game and start it
#   tools/bootstrap.sh test     build everything and run every test through ctest
#   tools/bootstrap.sh sanitize build with AddressSanitizer and UBSan and run the tests again
#   tools/bootstrap.sh install  build a Debian package of the game and install it
set -euo pipefail

mode=${1:-run}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# What building and running the game needs.
run_packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libsndfile1-dev
  qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
)
# What the tests and benchmarks need besides: a private X display, the
# pointer tools, a sound server, and the validators of the installed files.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils openbox
  pulseaudio pulseaudio-utils
  desktop-file-utils appstream
)
# What making the Debian package needs besides (dpkg-shlibdeps and file).
package_packages=(
  dpkg-dev file
)

install_missing() {  # install_missing PACKAGE...
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Permissions do not bind root: as root, the tests of read-only files and
# folders switch to this ordinary user.
add_test_user() {
  [ "$(id -u)" -eq 0 ] || return 0
  id brackwater-test >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin brackwater-test
}

jobs() { nproc 2>/dev/null || echo 2; }

configure() {  # configure DIR [cmake options...]
  local dir=$1; shift
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRACKWATER_WERROR=$werror "$@"
}

build() {  # build DIR [cmake options...]: everything, tests and benchmarks included
  local dir=$1; shift
  configure "$dir" -DBUILD_TESTING=ON -DBRACKWATER_BENCH=ON "$@"
  cmake --build "$dir" -j "$(jobs)"
}

# Only the game: no test or benchmark is configured, so their libraries need not be installed.
game_only=(-DBUILD_TESTING=OFF -DBRACKWATER_BENCH=OFF)

run_tests() {  # run_tests DIR
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir "$1" --output-on-failure -j "$(jobs)" --timeout 600
}

case "$mode" in
  run)
    install_missing "${run_packages[@]}"
    configure build "${game_only[@]}"
    cmake --build build -j "$(jobs)" --target brackwater
    exec ./build/app/brackwater
    ;;
  test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    add_test_user
    build build
    run_tests build
    ;;
  install)
    install_missing "${run_packages[@]}" "${package_packages[@]}"
    configure build-package "${game_only[@]}"
    cmake --build build-package -j "$(jobs)"
    (cd build-package && rm -f brackwater_*.deb && cpack -G DEB)
    package=$(ls build-package/brackwater_*.deb)
    as_root apt-get -o DPkg::Lock::Timeout=600 install -y --reinstall "./$package"
    echo "Installed $package; start Brackwater from the applications menu or with: brackwater"
    echo "Remove it with: sudo apt-get remove brackwater"
    ;;
  sanitize)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    add_test_user
    build build-sanitize -DBRACKWATER_SANITIZE=ON -DBRACKWATER_BENCH=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_tests build-sanitize
    ;;
  *)
    echo "usage: $0 run|test|sanitize|install" >&2
    exit 2
    ;;
esac
