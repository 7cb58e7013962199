#!/usr/bin/env bash
# Starts the real veltrix-config on a virtual X display against a veltrix-sim as COM3 in a
# private port directory, opens the port and reads the device with the mouse, saves a screenshot
# of the window, checks that it stays up, then chooses File, Exit and expects it to end with exit
# code 0.
# Usage: run_under_xvfb.sh VELTRIX_CONFIG VELTRIX_SIM GRAB_SCREEN SCREENSHOT_PNG
set -euo pipefail
if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
tool=$1 sim=$2 grab=$3 screenshot=$4
mkdir -p "$(dirname "$screenshot")"
export QT_QPA_PLATFORM=xcb

source "$(dirname "$0")/../../scripts/simulators.sh"
ports=$(mktemp -d /tmp/veltrix-ports-XXXXXX)
sim_log=$ports/veltrix-sim.log
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    stop_simulators
    rm -rf "$ports"
}
trap cleanup EXIT
start_simulators "$sim" "$ports" 3 >"$sim_log"

# Waits up to 60 s for a visible window of the tool other than `$1`; prints it.
wait_for_window_besides() {
    for _ in $(seq 600); do
        local found
        found=$(xdotool search --onlyvisible --class veltrix-config 2>/dev/null | grep -vx "$1" |
            head -n 1 || true)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.1
    done
    echo "no window of veltrix-config appeared" >&2
    return 1
}

VELTRIX_PORT_DIR=$ports "$tool" &
pid=$!

window=$(wait_for_window_besides none)
sleep 0.5
# No window manager: a window's origin is the top left of its menu bar, which lies above the
# client area of 694 x 419. The buttons sit in the connection group at (8, 0).
eval "$(xdotool getwindowgeometry --shell "$window")"
client_y=$((Y + HEIGHT - 419))
button_y=$((client_y + 16 + 12))
xdotool mousemove $((X + 8 + 344 + 52)) $button_y click 1  # 打开串口
sleep 0.5
xdotool mousemove $((X + 8 + 448 + 52)) $button_y click 1  # 读取参数
for _ in $(seq 100); do
    grep -q "read request" "$sim_log" && break
    sleep 0.1
done
grep -q "read request" "$sim_log" || { echo "the device got no read request" >&2; exit 1; }
sleep 1
"$grab" "$screenshot" "$X" "$Y" "$WIDTH" "$HEIGHT"
kill -0 "$pid" || { echo "veltrix-config ended by itself" >&2; exit 1; }

# "File" opens the first menu of the bar, "Exit" is that menu's first item.
xdotool mousemove $((X + 15)) $((Y + 8)) click 1
menu=$(wait_for_window_besides "$window")
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 20)) $((Y + 12)) click 1

for _ in $(seq 600); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        pid=
        echo "veltrix-config ended with exit code $status"
        exit "$status"
    fi
    sleep 0.1
done
echo "veltrix-config did not end after File, Exit" >&2
exit 1
