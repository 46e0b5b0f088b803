#!/usr/bin/env bash
# Soak of the real window: zomar-setup runs under Xvfb on a pseudo-terminal,
# with both test pages revealed (Shift+F1), loopback switched on, and the
# terminal and repeater pages shown in turn, while bench/soak_line feeds random
# bytes into the port for N minutes (default 10) and prints the window's RSS at
# start and end, its CPU time and the echoes seen. Not run in CI.
#
#   bench/soak.sh [minutes]
#
# ZOMAR_SOAK_BUILD names the build folder (default build-release, configured
# as Release); screenshots of the two pages taken during the soak land there.
# ZOMAR_SOAK_SEED repeats the bytes and pauses of an earlier run.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-10}"
build="${ZOMAR_SOAK_BUILD:-build-release}"

tools=(xvfb openbox xdotool imagemagick)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (sudo apt-get install ${missing[*]})." >&2
    exit 2
  fi
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
nice -n 10 cmake --build "$build" -j2 --target zomar-setup soak_line >/dev/null

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, with a window manager so that the window takes the
# keyboard focus.
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)

"$build/bench/soak_line" --minutes "$minutes" --pty-file "$work/pty" --pid-file "$work/pid" \
  ${ZOMAR_SOAK_SEED:+--seed "$ZOMAR_SOAK_SEED"} &
line=$!
pids+=("$line")
for _ in $(seq 100); do [ -s "$work/pty" ] && break; sleep 0.1; done

# Its own settings file: port 1 (mapped to the terminal) at 38400 baud.
"$build/zomar-setup" --port-map "1=$(cat "$work/pty")" --settings "$work/zomar.conf" \
  >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")
window="$(timeout 60 xdotool search --sync --onlyvisible --name "Zomar Setup Utility" | head -n 1 || true)"
if [ -z "$window" ]; then
  echo "zomar-setup showed no window:" >&2
  cat "$work/app.log" >&2
  exit 2
fi
xdotool windowactivate --sync "$window"
sleep 1

# Places inside the window (its size is fixed): "Connect", the tabs
# "Terminal" and "Repeater", and the repeater's "Loopback On" button.
connect_button=(344 426)
terminal_tab=(280 18)
repeater_tab=(355 18)
loopback_button=(208 356)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }

click "${connect_button[@]}"
sleep 1
xdotool key shift+F1 # reveals "Terminal" and "Repeater"
sleep 0.5
click "${terminal_tab[@]}"
click "${repeater_tab[@]}"
click "${loopback_button[@]}"
echo "$app" >"$work/pid"

# Both pages take their turn on screen while the bytes arrive; each is
# captured before it gives way.
shot() { import -window "$window" "$build/soak-$1.png" 2>/dev/null || true; }
(
  while kill -0 "$line" 2>/dev/null; do
    sleep 15; kill -0 "$line" 2>/dev/null || break
    shot repeater-during; click "${terminal_tab[@]}"
    sleep 15; kill -0 "$line" 2>/dev/null || break
    shot terminal-during; click "${repeater_tab[@]}"
  done
) &
pids+=($!)

status=0
wait "$line" || status=$?
if ! kill -0 "$app" 2>/dev/null; then
  echo "zomar-setup ended during the soak:" >&2
  cat "$work/app.log" >&2
  status=2
fi
exit "$status"
