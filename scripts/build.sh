#!/usr/bin/env bash
# Configures and builds a preset of CMakePresets.json: ci (the default: Release, warnings are
# errors, into ./build) or another one named as the argument.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-ci}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
