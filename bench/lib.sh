# Shared by bench/run and bench/soak: the build, one X server, and the programs under test.
# Every process is started here, remembered by its id and stopped by that id only.

bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench_build=$bench_root/build/bench
bench_work=$(mktemp -d /tmp/horavane-bench.XXXXXX)
bench_pids=()

bench_cleanup() {
    local pid
    for pid in "${bench_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$bench_work"
}
trap bench_cleanup EXIT

# Release build of the program and the bench tools, in a build folder of their own.
bench_build() {
    cmake -S "$bench_root" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DHORAVANE_BENCH=ON >/dev/null
    cmake --build "$bench_build" --parallel 2 --target horavane xwatch qtlabel tickcost soakday >/dev/null
    horavane_bin=$bench_build/src/app/horavane
    xwatch=$bench_build/bench/xwatch
}

# One Xvfb for the whole run; -noreset keeps it alive between clients.
bench_start_x() {
    [ -n "${DISPLAY:-}" ] && [ -n "${BENCH_XVFB_PID:-}" ] && return
    exec 3>"$bench_work/display"
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -noreset -nolisten tcp 2>"$bench_work/xvfb.log" &
    BENCH_XVFB_PID=$!
    bench_pids+=("$BENCH_XVFB_PID")
    exec 3>&-
    local tries=0
    until [ -s "$bench_work/display" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
    done
    export DISPLAY=":$(cat "$bench_work/display")"
    export BENCH_XVFB_PID
    export QT_QPA_PLATFORM=xcb
}

# A home of Horavane's own with both clock windows open at launch, no donation offer and the
# observer typed in at Greenwich, so that the sidereal dial turns too.
bench_horavane_home() {
    local home=$bench_work/home
    rm -rf "$home"
    mkdir -p "$home/.config/Horavane" "$home/run"
    chmod 700 "$home/run"
    cat >"$home/.config/Horavane/Horavane.conf" <<'CONF'
[General]
APP_Horavane=true
APP_AnalogClock=true
Prefs_LocationSource=1
PREFS_latitude=51.4769
PREFS_longitude=-0.0005

[Donation]
hideAtLaunch=true
CONF
    echo "$home"
}

# Prints the command line for a program by name (horavane, qtlabel, xclock, xclock-digital).
bench_command() {
    local home=$bench_work/home
    case $1 in
    horavane) echo env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" "$horavane_bin" ;;
    qtlabel) echo env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" "$bench_build/bench/qtlabel" ;;
    xclock) echo xclock -update 1 -title xclock-analog ;;
    xclock-digital) echo xclock -digital -update 1 -title xclock-digital ;;
    esac
}

# The top-level windows a program shows, "<label>=<id>" each, in the order the flip watcher
# reports them. Waits until all are on screen.
bench_windows() {
    local name=$1 pid=$2 id
    case $name in
    horavane)
        id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Horavane$' | head -1)
        echo "horavane-digital=$id"
        id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Analog Clock$' | head -1)
        echo "horavane-analog=$id" ;;
    qtlabel)
        echo "qtlabel=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Qt label clock$' | head -1)" ;;
    xclock)  # xclock puts no process id on its window: its title tells the two apart
        echo "$name=$(xdotool search --sync --all --onlyvisible --name '^xclock-analog$' | head -1)" ;;
    xclock-digital)
        echo "$name=$(xdotool search --sync --all --onlyvisible --name '^xclock-digital$' | head -1)" ;;
    esac
}

# Spreads the windows over the screen: with no window manager an overlapped window would
# draw less, and an obscured one not at all.
bench_place() {
    local target x=$2 y=$3
    for target in $1; do
        xdotool windowmove "${target#*=}" "$x" "$y"
        y=$((y + 330))
    done
}

# Starts a program in the background; its id goes to $started.
bench_launch() {
    # shellcheck disable=SC2046
    $(bench_command "$1") >>"$bench_work/$1.log" 2>&1 &
    started=$!
    bench_pids+=("$started")
}

bench_stop() {
    local pid=$1 tries=0 kept=() p
    for p in "${bench_pids[@]}"; do
        [ "$p" = "$pid" ] || kept+=("$p")
    done
    bench_pids=("${kept[@]}")
    kill -TERM "$pid" 2>/dev/null || return 0
    while kill -0 "$pid" 2>/dev/null && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Processor time of a process so far, in nanoseconds, all its threads. The scheduler's own
# account: utime and stime in /proc/<pid>/stat count whole 10 ms ticks, coarser than what a
# clock spends in two minutes.
bench_cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d", ns }'
}

# Proportional set size of a process, KiB: its own pages plus its share of pages it maps with
# others. The share moves with whatever else runs on the machine.
bench_pss() {
    awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup"
}

# Anonymous memory of a process (heap, stacks, its own pixmaps), KiB: what it allocated
# itself, whoever else maps its libraries. Private pages are no steadier on a shared machine:
# a library page counts as private while no other process happens to map it.
bench_anon() {
    awk '/^Anonymous:/ { print $2 }' "/proc/$1/smaps_rollup"
}
