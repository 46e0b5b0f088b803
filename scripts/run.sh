#!/usr/bin/env bash
# Builds and starts the program. With no arguments it runs on its built-in
# virtual module; name hardware with e.g.: scripts/run.sh --port-map 1=/dev/ttyUSB0
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
if [ $# -eq 0 ]; then
  set -- --simulate
fi
exec build/zomar-setup "$@"
