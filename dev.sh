#!/usr/bin/env bash
# One entry point for setting up, building, testing and starting the calculator on Debian 12.
#   ./dev.sh run    install what is missing, build, start the calculator
#   ./dev.sh test   install what is missing, build, run every test (plain and sanitized), check
#                   the package and make a short run of each fuzzer
#   ./dev.sh package         build the Debian package and check it (lintian, files, start-up)
#   ./dev.sh windows         cross-build build-windows/spbrg.exe, statically linked, for Windows
#   ./dev.sh web             the pages: the models in WebAssembly and the static site (build-web/site)
#   ./dev.sh fuzz [SECONDS]  run each fuzzer for SECONDS (default 20) against the kept corpus
#   ./dev.sh coverage        branch coverage of core/, engine/ and window/ (gcovr)
#   ./dev.sh packages        the Debian packages that building and testing need, one a line
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libx11-dev xvfb xauth xdotool xclip fonts-dejavu-core fonts-liberation
  clang-14 libclang-rt-14-dev gcovr locales python3 libcli11-dev nlohmann-json3-dev gputils gpsim
  lintian appstream desktop-file-utils man-db
  at-spi2-core python3-pyatspi dbus-x11
  g++-mingw-w64-x86-64-posix wine wine64 emscripten chromium)
# Debian's Node and npm only where there is no Node yet: a Node from elsewhere brings its own npm,
# which Debian's npm package would conflict with.
command -v node >/dev/null && command -v npm >/dev/null || PACKAGES+=(nodejs npm)

# The comma-decimal locale that the tests run the program under.
TEST_LOCALE=de_DE.UTF-8

install_missing_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
  if [ "$(LC_ALL=$TEST_LOCALE locale decimal_point 2>/dev/null)" != "," ]; then
    $sudo localedef -i "${TEST_LOCALE%%.*}" -f UTF-8 "$TEST_LOCALE"
  fi
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$(nproc)"
}

# spbrg.exe: core/, engine/ and cli/ cross-built with mingw-w64 (no Debian hardening flags: they
# are ELF's).
build_windows() {
  build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DSPBRG_HARDEN=OFF -DSPBRG_BUILD_UI=OFF -DSPBRG_BUILD_TESTS=OFF -DSPBRG_BUILD_BENCH=OFF
  cp build-windows/cli/spbrg.exe build-windows/spbrg.exe
}

# The engine and the models compiled to WebAssembly with Debian's Emscripten. Its library cache
# is read-only where the package puts it; a copy of it takes the libraries built with exceptions.
build_web() {
  export EM_CACHE="$PWD/build-emcache" EM_FROZEN_CACHE=0
  # Emscripten's tools find the acorn parser where Debian puts Node modules.
  export NODE_PATH=/usr/share/nodejs
  [ -d "$EM_CACHE/sysroot" ] || cp -r /usr/share/emscripten/cache "$EM_CACHE"
  emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DSPBRG_HARDEN=OFF \
    -DSPBRG_BUILD_UI=OFF -DSPBRG_BUILD_TESTS=OFF -DSPBRG_BUILD_BENCH=OFF
  cmake --build build-web -j "$(nproc)"
  web/pages/make_site.sh build-web
}

run_tests() {  # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
}

# The .deb from the main build, checked as users get it (installed for real when CI=true).
run_package() {
  rm -f build/spbrg-calculator_*.deb
  (cd build && cpack -G DEB >/dev/null)
  packaging/package_test.sh build/spbrg-calculator_*.deb
}

run_fuzzers() {  # run_fuzzers SECONDS_EACH
  CXX=clang++-14 build build-fuzz -DSPBRG_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
  local scratch
  scratch=$(mktemp -d)
  for fuzzer in window_model leading_number display_format setup_check expression workbench_model; do
    mkdir -p "$scratch/$fuzzer"
    # New inputs go to the scratch folder; the kept corpus is only read.
    "./build-fuzz/tests/fuzz/${fuzzer}_fuzzer" -max_total_time="$1" -max_len=256 \
      -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/$fuzzer" "tests/fuzz/corpus/$fuzzer" \
      2>&1 | grep -E "Done|model actions|ERROR|broken|FAILED|expected|LeadingNumber|stat::number_of_executed_units" || true
    if ls "$scratch"/crash-* "$scratch"/timeout-* "$scratch"/leak-* >/dev/null 2>&1; then
      echo "fuzzer $fuzzer failed; reproducers in $scratch" >&2
      return 1
    fi
  done
  rm -rf "$scratch"
  echo "fuzzers: 6 passed, 0 failed"
}

run_coverage() {
  build build-coverage -DSPBRG_BUILD_UI=OFF -DSPBRG_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage -fno-inline" -DCMAKE_EXE_LINKER_FLAGS=--coverage
  find build-coverage -name '*.gcda' -delete
  ctest --test-dir build-coverage -j "$(nproc)" >/dev/null
  gcovr --root . --filter 'core/' --filter 'engine/' --filter 'window/' --object-directory build-coverage \
    --exclude-throw-branches --exclude-unreachable-branches --branches --txt
}

case "${1:-}" in
  run)
    install_missing_packages
    cmake -S . -B build -DSPBRG_BUILD_UI=ON
    cmake --build build -j "$(nproc)" --target spbrg-calculator
    exec ./build/ui/spbrg-calculator
    ;;
  test)
    install_missing_packages
    export SPBRG_REQUIRE_GPSIM=1  # the simulator test runs here, never skipped
    build_windows
    build_web
    build build -DSPBRG_BUILD_UI=ON -DSPBRG_BUILD_TESTS=ON -DSPBRG_BUILD_BENCH=ON \
      -DSPBRG_WINDOWS_EXE="$PWD/build-windows/spbrg.exe" -DSPBRG_WEB_BUILD="$PWD/build-web"
    run_tests build
    build build-sanitize -DSPBRG_SANITIZE=ON -DSPBRG_BUILD_TESTS=ON -DSPBRG_BUILD_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=Debug
    # The simulator run above covers every part; under the sanitizers one part of each kind
    # (classic, EUSART, enhanced mid-range, PIC18, two ports) exercises the same code.
    SPBRG_GPSIM_PARTS=12f1840,16f628a,16f877a,16f690,16f1825,16f1788,18f452,18f4520,18f26k22 \
      ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    run_package
    run_fuzzers 15
    ;;
  windows)
    install_missing_packages
    build_windows
    echo "built build-windows/spbrg.exe"
    ;;
  web)
    install_missing_packages
    build_web
    echo "built the site in build-web/site; serve it with any static server, for example:"
    echo "  python3 -m http.server --bind 127.0.0.1 --directory build-web/site 8000"
    echo "and open http://127.0.0.1:8000/ (the workbench) or http://127.0.0.1:8000/calculator.html"
    ;;
  package)
    install_missing_packages
    build build -DSPBRG_BUILD_UI=ON
    run_package
    ;;
  fuzz)
    install_missing_packages
    run_fuzzers "${2:-20}"
    ;;
  coverage)
    install_missing_packages
    run_coverage
    ;;
  packages)
    printf '%s\n' "${PACKAGES[@]}"
    ;;
  *)
    echo "usage: $0 run|test|package|windows|web|fuzz [SECONDS]|coverage|packages" >&2
    exit 2
    ;;
esac
