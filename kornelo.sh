#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Kornelo, then plays it or runs every test.
#   ./kornelo.sh play    install what is missing, build, start the game
#   ./kornelo.sh test    install what is missing, build, run every test (under Xvfb without a display)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake pkg-config          # compiler and build
  libirrlicht-dev                           # the 3D engine
  libboost-serialization-dev                # the event log's archives
  libgl-dev libx11-dev                      # asks GLX for vsync where the driver offers it
  libsdl2-mixer-dev                         # sound: a mixer with many channels, short sounds decoded whole
  libmpg123-dev                             # sound: music decoded as it plays (streamed), loops sample-exact
  libexpat1-dev                             # checks every XML file before Irrlicht's unsafe reader sees it
  libgtest-dev                              # tests
  xvfb xauth libgl1-mesa-dri                # OpenGL tests without a screen (Mesa's software renderer)
  xdotool                                   # the window test presses keys in the real game's window
  lame                                      # encodes the game's music at build time
)

install_missing() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
}

case "${1:-}" in
  play)
    install_missing
    build
    exec build/runtime/kornelo
    ;;
  test)
    install_missing
    build
    cd build
    if [ -n "${DISPLAY:-}" ]; then
      ctest --output-on-failure -j"$(nproc)"
    else
      xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j"$(nproc)"
    fi
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
