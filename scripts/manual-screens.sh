#!/usr/bin/env bash
# Remakes the manual's pictures from the running program: the layout check's pictures at
# 1024 × 768, scale 1, copied into resources/help/manual under the names the manual uses.
set -euo pipefail
cd "$(dirname "$0")/.."
SCREENS=1024x768 SCALES=1 bash scripts/screens.sh
from=screens/1024x768@1
to=resources/help/manual
mkdir -p "$to"
declare -A pictures=(
  [frmMain]=instructions
  [frmMain_]=main-window
  [frmsetup]=setup
  [FrmAutoTest]=auto-test-variables
  [frmSelect]=select-driver
  [frmEdit]=mirror-record
  [HelpViewer]=help-viewer
)
for window in "${!pictures[@]}"; do
  cp "$from/$window.png" "$to/${pictures[$window]}.png"
done
echo "The manual's pictures are in $to."
