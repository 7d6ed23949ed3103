#!/usr/bin/env bash
# Set-up, build and every test: the one command CI runs. The ci preset's tests, then the asan
# preset's without the gui and slow labels, then the motor board's firmware with its size, then
# the format check, then a minute of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

stage() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "== $name: $((SECONDS - start)) s"
}

stage "set-up" bash scripts/setup-debian.sh
stage "ci build" bash scripts/build.sh
stage "ci tests" ctest --preset ci
stage "asan build" bash scripts/build.sh asan
stage "asan tests" ctest --preset asan
stage "firmware" make -C firmware BUILD=../build-firmware
stage "format check" bash scripts/check-format.sh
stage "fuzz" bash scripts/fuzz.sh 60
