# Simulated Veltrix-7A devices for the scripts that start the tool. Source this file, then
#   start_simulators VELTRIX_SIM PORT_DIR COM...
# starts one veltrix-sim per COM number, linked in PORT_DIR, and returns once every link is
# there; their output goes where the caller's goes. stop_simulators stops them again.
SIMULATOR_PIDS=()

start_simulators() {
    local program=$1 dir=$2
    shift 2
    local com
    for com in "$@"; do
        "$program" --com "$com" --port-dir "$dir" &
        SIMULATOR_PIDS+=($!)
    done
    for com in "$@"; do
        local tries=0
        until [ -L "$dir/COM$com" ]; do
            if [ $((tries += 1)) -gt 100 ]; then
                echo "veltrix-sim did not link COM$com in $dir within 10 s" >&2
                return 1
            fi
            sleep 0.1
        done
    done
}

stop_simulators() {
    if [ ${#SIMULATOR_PIDS[@]} -gt 0 ]; then
        kill "${SIMULATOR_PIDS[@]}" 2>/dev/null || true
        wait "${SIMULATOR_PIDS[@]}" 2>/dev/null || true
        SIMULATOR_PIDS=()
    fi
}
