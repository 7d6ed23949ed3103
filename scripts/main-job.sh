#!/usr/bin/env bash
# Set-up, build, and start ORVANE on the program folder ./run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
mkdir -p run
if [ -n "${DISPLAY:-}" ]; then
  exec ./build/src/app/orvane --program-folder run
else
  exec xvfb-run -a ./build/src/app/orvane --program-folder run
fi
