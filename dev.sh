#!/usr/bin/env bash
# One entry point for setting up, building, testing and starting the calculator on Debian 12.
#   ./dev.sh run    install what is missing, build, start the calculator
#   ./dev.sh test   install what is missing, build, run every test (plain and sanitized)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libx11-dev xvfb xauth xdotool xclip fonts-dejavu-core)

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$(nproc)"
}

run_tests() {  # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing_packages
    build build -DSPBRG_BUILD_TESTS=OFF -DSPBRG_BUILD_BENCH=OFF
    exec ./build/ui/spbrg-calculator
    ;;
  test)
    install_missing_packages
    build build
    run_tests build
    build build-sanitize -DSPBRG_SANITIZE=ON -DSPBRG_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
