#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each harness for SECONDS (default 60). Each starts from its seeds, fuzz/corpus/<name> and
# the examples, in build-fuzz/corpus/<name>, which keeps what it finds for the next run. A finding
# stops the script with the fuzzer's report; the input is kept as build-fuzz/findings/<name>-*.
# The mutations follow FUZZ_SEED (default 1), so a finding in CI comes back on a rerun; give
# another seed to explore elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/build.sh fuzz
# The harnesses write every input as a file: a RAM disk keeps that cheap. A finding's report
# names the source lines through LLVM's symbolizer.
if [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export PATH="/usr/lib/llvm-14/bin:$PATH"
declare -A examples=(
  [settings]=examples/orvane.ini
  [mirror_record]=examples/mirrors/Demo6f4.ini
  [bench]=examples/bench-demo6f4.ini
)
mkdir -p build-fuzz/findings
for name in settings mirror_record bench hardware readings_json sixtests_set test_options; do
  corpus="build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  cp fuzz/corpus/"$name"/* ${examples[$name]:-} "$corpus"/
  dictionary=()
  if [ -f "fuzz/$name.dict" ]; then
    dictionary=(-dict="fuzz/$name.dict")
  fi
  log="build-fuzz/findings/$name.log"
  status=0
  "build-fuzz/fuzz/${name}_fuzzer" "$corpus" "${dictionary[@]}" -max_total_time="$seconds" \
    -seed="${FUZZ_SEED:-1}" \
    -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$name-" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
  echo "$name: ${runs:-?} inputs, ${coverage:-no coverage line}"
  if [ "$status" -ne 0 ]; then
    tail -60 "$log"
    exit "$status"
  fi
done
