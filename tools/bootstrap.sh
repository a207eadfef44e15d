#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then either
# starts the game (run) or runs the whole test suite (test).
#   tools/bootstrap.sh run      build and start Brackwater
#   tools/bootstrap.sh test     build and run every test through ctest
#   tools/bootstrap.sh sanitize build with AddressSanitizer and UBSan and run the tests again
set -euo pipefail

mode=${1:-run}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool x11-utils openbox
  pulseaudio pulseaudio-utils
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

# Permissions do not bind root: as root, the tests of read-only files and
# folders switch to this ordinary user.
add_test_user() {
  [ "$(id -u)" -eq 0 ] || return 0
  id brackwater-test >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin brackwater-test
}

jobs() { nproc 2>/dev/null || echo 2; }

build() {  # build DIR [cmake options...]
  local dir=$1; shift
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRACKWATER_WERROR=$werror "$@"
  cmake --build "$dir" -j "$(jobs)"
}

run_tests() {  # run_tests DIR
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir "$1" --output-on-failure -j "$(jobs)" --timeout 600
}

install_missing
case "$mode" in
  run)
    build build
    exec ./build/app/brackwater
    ;;
  test)
    add_test_user
    build build
    run_tests build
    ;;
  sanitize)
    add_test_user
    build build-sanitize -DBRACKWATER_SANITIZE=ON -DBRACKWATER_BENCH=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_tests build-sanitize
    ;;
  *)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
