#!/usr/bin/env bash
# Builds and starts the program. With no arguments it runs on two built-in
# virtual modules on one simulated radio (the window on the first, Tools >
# Link Test between the two); name hardware with e.g.: scripts/run.sh --port-map 1=/dev/ttyUSB0
# or use the system's ports in their numbered order: scripts/run.sh --hardware
# The station window: scripts/run.sh --station [STATION.json | its options]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--station" ]; then
  shift
  scripts/setup.sh default zomar-station
  # Alone: eight virtual slots whose modules come and go by themselves.
  [ $# -eq 0 ] && set -- --simulate 8 --demo
  exec build/zomar-station "$@"
fi
scripts/setup.sh default zomar-setup
# "--hardware" alone: use the system's serial ports as they are numbered.
if [ $# -eq 0 ]; then
  set -- --simulate 2
elif [ "$1" = "--hardware" ]; then
  shift
fi
exec build/zomar-setup "$@"
