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

# Waits up to 60 s for `count` visible windows of the tool; prints the first one.
wait_for_windows() {
    local count=$1
    for _ in $(seq 600); do
        local windows
        windows=$(xdotool search --onlyvisible --class veltrix-config 2>/dev/null || true)
        if [ "$(printf '%s' "$windows" | grep -c .)" -ge "$count" ]; then
            printf '%s\n' "$windows" | head -n 1
            return 0
        fi
        sleep 0.1
    done
    echo "fewer than $count windows of veltrix-config appeared" >&2
    return 1
}

"$tool" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(wait_for_windows 1)
"$grab" "$screenshot"
sleep 1
kill -0 "$pid" || { echo "veltrix-config ended by itself" >&2; exit 1; }

# No window manager: the window's origin is the top left of its menu bar, "File" comes first.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 15)) $((Y + 8)) click 1
wait_for_windows 2 >/dev/null
xdotool key Down Return

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
