#!/usr/bin/env bash
# Vandor's front door.
#   ./setup.sh run    install what building and running need, build without
#                     the tests, start the program
#   ./setup.sh test   install that and what the tests need, build, run every
#                     test (the Debian package's too), fuzz
#                     each file reader VANDOR_FUZZ_SECONDS (60) seconds
# Packages come from Debian 12; they are installed with apt-get when this runs
# as root or sudo works without a password, otherwise the exact command is printed.
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs: the compiler, CMake and Qt,
# Qt's Japanese translations of the standard dialogs, and the Japanese fonts
# of the window and the printed page.
RUN_PACKAGES=(
  build-essential cmake qt6-base-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-ipafont-mincho
)
# What the tests need besides: GoogleTest and Google Benchmark, poppler for
# reading printed PDFs, the desktop file and MIME tools of the install test,
# lintian for the package test, clang for the fuzz targets, and Xvfb to look
# at the window without a display.
TEST_PACKAGES=(
  libgtest-dev libbenchmark-dev poppler-utils desktop-file-utils shared-mime-info
  lintian clang libclang-rt-14-dev xvfb xauth
)
BUILD_DIR=${VANDOR_BUILD_DIR:-build}
JOBS=$(nproc 2>/dev/null || echo 2)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local apt=(apt-get install -y --no-install-recommends "${missing[@]}")
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${apt[@]}"
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo DEBIAN_FRONTEND=noninteractive apt-get update -q
    sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}"
  else
    echo "These Debian packages are missing. Install them, then run this again:" >&2
    echo "  sudo apt-get update && sudo ${apt[*]}" >&2
    exit 1
  fi
}

build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$BUILD_DIR" -j "$JOBS"
}

case "${1:-}" in
  run)
    install_missing "${RUN_PACKAGES[@]}"
    build -DBUILD_TESTING=OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "There is no display to open the Vandor window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
      echo "To run it on a virtual display, start it under Xvfb (packages xvfb and xauth):" >&2
      echo "  xvfb-run -a $BUILD_DIR/app/vandor" >&2
      exit 1
    fi
    exec "$BUILD_DIR/app/vandor"
    ;;
  test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build -DBUILD_TESTING=ON
    (cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
    # The core library and its tests once more under AddressSanitizer and
    # UndefinedBehaviorSanitizer.
    cmake -S . -B "$BUILD_DIR-asan" -DCMAKE_BUILD_TYPE=Debug -DVANDOR_GUI=OFF -DVANDOR_SANITIZE=ON >/dev/null
    cmake --build "$BUILD_DIR-asan" -j "$JOBS"
    (cd "$BUILD_DIR-asan" && ctest --output-on-failure -j "$JOBS")
    # The file and text readers under libFuzzer, built with clang.
    VANDOR_FUZZ_BUILD_DIR="$BUILD_DIR-fuzz" tests/fuzz/run-fuzz.sh "${VANDOR_FUZZ_SECONDS:-60}"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
