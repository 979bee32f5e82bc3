#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its content tools need.
# Runs apt only when something is missing, so a second run costs a moment.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache git ca-certificates
  libsdl2-dev libglew-dev libsoil-dev libtinyxml-dev libfreetype-dev libimgui-dev
  libopenal-dev libsndfile1-dev libenet-dev libgl1-mesa-dri libegl-mesa0
  googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth mesa-utils xdotool sox librsvg2-bin imagemagick python3 desktop-file-utils appstream
  fonts-liberation2 fonts-eurofurence fonts-cherrybomb fonts-league-spartan fonts-comfortaa
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
