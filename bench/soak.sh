#!/usr/bin/env bash
# Soak of the real window: zomar-setup runs under Xvfb on a pseudo-terminal,
# with both test pages revealed (Shift+F1), loopback switched on, and the
# terminal and repeater pages shown in turn, while bench/soak_line feeds random
# bytes into the port for N minutes (default 10) and prints the window's RSS at
# start and end, its CPU time and the echoes seen. Not run in CI.
#
#   bench/soak.sh [minutes] [--capture]
#
# --capture opens the Capture window on the repeater page and floods the line
# (ZOMAR_SOAK_RATE kB/s, default 200) so that its ring fills: the capture's
# title, with the bursts it holds and has dropped, is printed every minute and
# the end checks the ring against its bound and the RSS over the last third.
#
# ZOMAR_SOAK_BUILD names the build folder (default build-release, configured
# as Release); screenshots of the two pages taken during the soak land there.
# ZOMAR_SOAK_SEED repeats the bytes and pauses of an earlier run;
# ZOMAR_SOAK_DISPLAY names the Xvfb display to start (default: a random one).
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=10
capture=0
for arg in "$@"; do
  case "$arg" in
    --capture) capture=1 ;;
    *) minutes="$arg" ;;
  esac
done
build="${ZOMAR_SOAK_BUILD:-build-release}"
ring_bound=100000 # the capture's ring, kCaptureCapacity

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
display="${ZOMAR_SOAK_DISPLAY:-:$((90 + RANDOM % 100))}"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)

flood=()
[ "$capture" = 1 ] && flood=(--flood --rate "${ZOMAR_SOAK_RATE:-200}")
"$build/bench/soak_line" --minutes "$minutes" --pty-file "$work/pty" --pid-file "$work/pid" \
  ${ZOMAR_SOAK_SEED:+--seed "$ZOMAR_SOAK_SEED"} "${flood[@]}" &
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

# Places inside the designed window (its size is fixed, 468 pixels high
# below the menu bar): "Connect", the tabs "Terminal" and "Repeater", the
# repeater's "Loopback On" button and its "Capture..." button.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 468))
connect_button=(344 $((426 + menu)))
terminal_tab=(280 $((18 + menu)))
repeater_tab=(355 $((18 + menu)))
loopback_button=(208 $((356 + menu)))
capture_button=(358 $((64 + menu)))
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }

click "${connect_button[@]}"
sleep 1
xdotool key shift+F1 # reveals "Terminal" and "Repeater"
sleep 0.5
click "${terminal_tab[@]}"
click "${repeater_tab[@]}"
click "${loopback_button[@]}"
capture_window=""
if [ "$capture" = 1 ]; then
  click "${capture_button[@]}"
  capture_window="$(timeout 30 xdotool search --sync --onlyvisible --name "^Capture" | head -n 1 || true)"
  if [ -z "$capture_window" ]; then
    echo "the Capture window did not open" >&2
    exit 2
  fi
  xdotool windowactivate --sync "$window"
  # What the capture holds, every minute.
  (
    while kill -0 "$line" 2>/dev/null; do
      sleep 60; kill -0 "$line" 2>/dev/null || break
      echo "  capture: $(xdotool getwindowname "$capture_window" 2>/dev/null)"
    done
  ) &
  pids+=($!)
fi
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
if [ -n "$capture_window" ]; then
  title="$(xdotool getwindowname "$capture_window" 2>/dev/null || true)"
  held="$(sed -n 's/^Capture: \([0-9]*\) bursts.*/\1/p' <<<"$title")"
  dropped="$(sed -n 's/.*(\([0-9]*\) dropped).*/\1/p' <<<"$title")"
  verdict=MISSED
  if [ -n "$held" ] && [ "$held" -le "$ring_bound" ]; then verdict=met; fi
  echo "capture at the end: ${held:-?} bursts held, ${dropped:-?} dropped   goal: at most $ring_bound held  $verdict"
  [ "$verdict" = met ] || status=1
  [ "${dropped:-0}" -gt 0 ] || echo "(the ring never filled: run longer or raise ZOMAR_SOAK_RATE)"
  import -window "$capture_window" "$build/soak-capture-end.png" 2>/dev/null || true
fi
if ! kill -0 "$app" 2>/dev/null; then
  echo "zomar-setup ended during the soak:" >&2
  cat "$work/app.log" >&2
  status=2
fi
exit "$status"
