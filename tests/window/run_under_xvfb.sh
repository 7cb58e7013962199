#!/usr/bin/env bash
# Starts the real veltrix-config on a virtual X display, saves a screenshot, checks that it stays
# up, then chooses File, Exit with the mouse and keyboard and expects it to end with exit code 0.
# Usage: run_under_xvfb.sh VELTRIX_CONFIG GRAB_SCREEN SCREENSHOT_PNG
set -euo pipefail
if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
tool=$1 grab=$2 screenshot=$3
mkdir -p "$(dirname "$screenshot")"
export QT_QPA_PLATFORM=xcb

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

"$tool" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(wait_for_window_besides none)
"$grab" "$screenshot"
sleep 1
kill -0 "$pid" || { echo "veltrix-config ended by itself" >&2; exit 1; }

# No window manager: a window's origin is the top left of its client area. "File" opens the
# first menu of the bar, "Exit" is that menu's first item.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 15)) $((Y + 8)) click 1
menu=$(wait_for_window_besides "$window")
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 20)) $((Y + 12)) click 1

for _ in $(seq 600); do
    if ! kill -0 "$pid" 2>/dev/null; then
        trap - EXIT
        wait "$pid" && status=0 || status=$?
        echo "veltrix-config ended with exit code $status"
        exit "$status"
    fi
    sleep 0.1
done
echo "veltrix-config did not end after File, Exit" >&2
exit 1
