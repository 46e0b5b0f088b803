#!/usr/bin/env bash
# Builds and runs the whole test suite, checks the Debian package of that
# build (scripts/package.sh), then runs the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (with leak checks), then fuzzes the configuration
# record for a minute. GUI tests run on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

jobs="$(nproc)"
scripts/setup.sh default
ctest --preset default -j"$jobs"
# The Debian package of that build, with lintian and the desktop checks.
if [ "${ZOMAR_SKIP_PACKAGE:-0}" != "1" ]; then
  scripts/package.sh
fi

if [ "${ZOMAR_SKIP_SANITIZERS:-0}" != "1" ]; then
  scripts/setup.sh asan
  ctest --preset asan -j"$jobs"
fi

# A minute of fuzzing of the page codec, block and reply framing.
if [ "${ZOMAR_SKIP_FUZZ:-0}" != "1" ]; then
  scripts/fuzz.sh 60
fi
