#!/usr/bin/env bash
# Set-up, build, and the automatic Foucault test of the example mirror on the simulated bench,
# headless, with ./run as the program folder: prints the readings beside the perfect numbers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
# Qt wants a private runtime folder; a root shell on a fresh machine has none.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

run="$PWD/run"
mkdir -p "$run/mirrors"
# The example mirror record starts again at test 1; other records in run/mirrors stay.
cp examples/mirrors/*.ini "$run/mirrors/"
cp examples/bench-demo6f4.ini "$run/"
# Settings and hardware files are the operator's once they exist: only missing ones are made.
if [ ! -e "$run/orvane.ini" ]; then
  folder=$(printf '%s' "$run" | sed 's/[&|\\]/\\&/g')
  sed "s|%PROGRAM_FOLDER%|$folder|" examples/orvane.ini >"$run/orvane.ini"
fi
if [ ! -e "$run/orvane-hardware.ini" ]; then
  printf '[port]\nbackend=bench\n\n[bench]\nfile=bench-demo6f4.ini\n' \
    >"$run/orvane-hardware.ini"
fi

./build/src/app/orvane-cli test --program-folder run --mirror Demo6f4 --sets 2 --track
