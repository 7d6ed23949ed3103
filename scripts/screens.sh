#!/usr/bin/env bash
# Starts the program under Xvfb at several screen sizes and scale factors with the example
# mirror loaded, saves a picture of the main window and of every dialog, and checks that no text
# is wider than its widget and no window reaches past the screen. Pictures and reports go to
# screens/<width>x<height>@<scale>/; the exit status is 1 when any check found something.
# SCREENS and SCALES (space-separated) narrow the run to some sizes and scale factors.
set -uo pipefail
cd "$(dirname "$0")/.."
program=./build/src/app/orvane
[ -x "$program" ] || { echo "build the program first (bash scripts/build.sh)" >&2; exit 2; }
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# A program folder laid out as scripts/main-job.sh lays out ./run, made afresh for each screen.
make_folder() {
  local folder=$1
  rm -rf "$folder"
  mkdir -p "$folder/mirrors"
  cp examples/mirrors/*.ini "$folder/mirrors/"
  cp examples/bench-demo6f4.ini "$folder/"
  sed "s|%PROGRAM_FOLDER%|$(printf '%s' "$folder" | sed 's/[&|\\]/\\&/g')|" examples/orvane.ini \
    >"$folder/orvane.ini"
  printf '[port]\nbackend=bench\n\n[bench]\nfile=bench-demo6f4.ini\n' >"$folder/orvane-hardware.ini"
}

status=0
for screen in ${SCREENS:-800x600 1024x768 1280x1024 1920x1080}; do
  for scale in ${SCALES:-1 1.5}; do
    out="$PWD/screens/$screen@$scale"
    folder=$(mktemp -d)
    make_folder "$folder"
    rm -rf "$out"
    QT_SCALE_FACTOR=$scale ORVANE_LAYOUT_CHECK="$out" timeout 120 \
      xvfb-run -a -s "-screen 0 ${screen}x24" "$program" --program-folder "$folder" >/dev/null 2>&1
    result=$?
    rm -rf "$folder"
    if [ "$result" -eq 0 ]; then
      echo "$screen at $scale: every window fits"
    else
      status=1
      echo "$screen at $scale: problems (exit $result), see $out/report.txt"
      sed 's/^/  /' "$out/report.txt" 2>/dev/null
    fi
  done
done
exit $status
