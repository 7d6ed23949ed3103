#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests, the fuzzers, the motor board's
# firmware and the GUI need; skips what is there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config git clang-format-14
  qt6-base-dev qt6-multimedia-dev qt6-serialport-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev llvm-14
  gcc-avr avr-libc binutils-avr make
  xvfb xauth xdotool x11-apps espeak-ng
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
