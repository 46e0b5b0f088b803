#!/usr/bin/env bash
# Builds the libFuzzer target of the page codec, typed block and
# reply framing in build-fuzz/ with clang, and runs it for the given number of
# seconds (default 60) over a scratch copy of fuzz/corpus/ (new inputs stay in
# build-fuzz/). Exits non-zero on any finding; the input that broke a property
# is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

# The "fuzz" preset builds with clang++-14 (setup.sh installs it with the
# libFuzzer runtime).
scripts/setup.sh fuzz fuzz_config

corpus=build-fuzz/corpus-run
rm -rf "$corpus"
mkdir -p build-fuzz/findings
cp -r fuzz/corpus "$corpus"
# Leaks are a finding too (libFuzzer checks them by default). The run's log
# is long; it is shown only when something was found.
log=build-fuzz/fuzz.log
if ! build-fuzz/fuzz/fuzz_config -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/findings/ "$corpus" >"$log" 2>&1; then
  tail -n 80 "$log" >&2
  echo "fuzz: finding above; its input is in build-fuzz/findings/ (full log: $log)" >&2
  exit 1
fi
grep -E '^#[0-9]+[[:space:]]+DONE|^stat::' "$log"
