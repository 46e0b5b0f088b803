#!/usr/bin/env bash
# Builds and starts the program. With no arguments it runs on its built-in
# virtual module; name hardware with e.g.: scripts/run.sh --port-map 1=/dev/ttyUSB0
# or use the system's ports in their numbered order: scripts/run.sh --hardware
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default zomar-setup
# "--hardware" alone: use the system's serial ports as they are numbered.
if [ $# -eq 0 ]; then
  set -- --simulate
elif [ "$1" = "--hardware" ]; then
  shift
fi
exec build/zomar-setup "$@"
