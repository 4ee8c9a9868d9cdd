#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), builds, and then runs the program or the tests.
#   ./build.sh run             build and open Sumwick
#   ./build.sh test            build with -Werror and run every test
#   ./build.sh test-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./build.sh bench           build optimised and run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
jobs=$(nproc)

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-wqy-microhei
  nodejs poppler-utils xvfb xauth
  cups cups-client cups-bsd printer-driver-cups-pdf libcups2-dev
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The printer tests need the CUPS scheduler; start it where it is installed but not running.
start_printing_service() {
  lpstat -r 2>/dev/null | grep -q 'is running' && return 0
  [ "$(id -u)" -eq 0 ] && [ -x /usr/sbin/cupsd ] || return 0
  /usr/sbin/cupsd
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && return 0
    sleep 0.1
  done
  echo "warning: the CUPS scheduler did not start; the printer tests will be skipped" >&2
}

configure_and_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

install_missing
case "$mode" in
  run)
    configure_and_build build -DCMAKE_BUILD_TYPE=Release
    if [ -x build/app/sumwick ]; then
      exec build/app/sumwick
    fi
    exec build/cli/sumwick-sheet --count 20 --per-column 10 --format text
    ;;
  test)
    configure_and_build build-test -DCMAKE_BUILD_TYPE=Debug -DSUMWICK_WERROR=ON
    start_printing_service
    ctest --test-dir build-test --output-on-failure -j "$jobs"
    ;;
  test-sanitize)
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DSUMWICK_WERROR=ON -DSUMWICK_SANITIZE=ON
    start_printing_service
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-asan --output-on-failure -j "$jobs"
    ;;
  bench)
    configure_and_build build-bench -DCMAKE_BUILD_TYPE=Release
    for b in build-bench/bench/*_bench; do "$b"; done
    ;;
  *)
    echo "usage: $0 run|test|test-sanitize|bench" >&2
    exit 2
    ;;
esac
