#!/usr/bin/env bash
# Start-up time of the window against CuteCom (Debian's Qt serial terminal):
# under one Xvfb display with openbox, each program is started in turn, five
# times each, alternately, and timed from exec until its window is mapped
# (viewable). Goal: zomar-setup's median at most CuteCom's median + 300 ms.
# Usage: bench/startup.sh [ZOMAR_SETUP] [RUNS]   (default build/zomar-setup, 5)
# Exit status: 0 goal met, 1 missed, 2 could not measure.
set -euo pipefail
cd "$(dirname "$0")/.."
zomar=$(realpath "${1:-build/zomar-setup}")
runs=${2:-5}
goal_ms=300

need=()
for tool in Xvfb:xvfb xdotool:xdotool cutecom:cutecom openbox:openbox; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "startup: missing ${need[*]} (sudo apt-get install ${need[*]})" >&2
    exit 2
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}" >/dev/null
fi
[ -x "$zomar" ] || { echo "startup: no program at $zomar (bash scripts/setup.sh default zomar-setup)" >&2; exit 2; }

# Each program gets a fresh home and settings, as on a first start.
scratch=$(mktemp -d)
children=()
cleanup() {
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
children+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
children+=($!)
sleep 0.5

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts "$@" with a fresh home, waits (polling every 10 ms, sleeping in
# between) until a window of its process is viewable, prints the
# milliseconds, and ends the program.
time_to_window() {
  local home pid start
  home=$(mktemp -d "$scratch/home.XXXX")
  start=$(now_ms)
  HOME=$home XDG_CONFIG_HOME=$home/.config "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(($(now_ms) - start)) -gt 30000 ]; then
      echo "startup: no window from $1" >&2
      return 1
    fi
    sleep 0.01
  done
  echo $(($(now_ms) - start))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One untimed start of each first, so neither pays for a cold file cache.
time_to_window "$zomar" >/dev/null || exit 2
time_to_window cutecom >/dev/null || exit 2

zomar_ms=()
cutecom_ms=()
for i in $(seq "$runs"); do
  z=$(time_to_window "$zomar") || exit 2
  c=$(time_to_window cutecom) || exit 2
  zomar_ms+=("$z")
  cutecom_ms+=("$c")
  printf 'run %d: zomar-setup %5d ms   cutecom %5d ms\n' "$i" "$z" "$c"
done
zm=$(median "${zomar_ms[@]}")
cm=$(median "${cutecom_ms[@]}")
printf 'median: zomar-setup %5d ms   cutecom %5d ms   (difference %+d ms)\n' "$zm" "$cm" $((zm - cm))
if [ "$zm" -le $((cm + goal_ms)) ]; then verdict=PASS; else verdict=FAIL; fi
echo "goal: zomar-setup <= CuteCom + $goal_ms ms (median of $runs): $verdict"
[ "$verdict" = PASS ]
