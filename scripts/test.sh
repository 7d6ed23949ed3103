#!/usr/bin/env bash
# Set-up, build and every test: the one command CI runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j2
