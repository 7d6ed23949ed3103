#!/usr/bin/env bash
# Configures and builds the ci preset into ./build (Release, warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset ci >/dev/null
cmake --build --preset ci
