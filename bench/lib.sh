# Shared by bench/run and bench/soak: the build, one X server, and the programs under test.
# Every process is started here, remembered by its id and stopped by that id only.

bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench_build=$bench_root/build/bench
bench_before=$bench_root/build/bench-before   # tree/: a revision checked out; build/: its build
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
    "$bench_root/scripts/setup" all --quiet   # the benchmark tools, which the test suite does without
    cmake -S "$bench_root" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DHORAVANE_BENCH=ON >/dev/null
    cmake --build "$bench_build" --parallel 2 --target horavane xwatch qtlabel timerfdlabel tickcost \
        soakday >/dev/null
    horavane_bin=$bench_build/src/app/horavane
    xwatch=$bench_build/bench/xwatch
}

# Release build of another revision, checked out in a git worktree of its own under
# build/bench-before (detached, made on first use and moved to the revision after). Builds its
# tickcost too where that revision has one: sets $before_tickcost, empty otherwise.
bench_build_before() {
    local rev tree=$bench_before/tree build=$bench_before/build
    rev=$(git -C "$bench_root" rev-parse --verify "$1^{commit}")
    if [ -e "$tree/.git" ]; then
        git -C "$tree" checkout --quiet --detach "$rev"
    else
        mkdir -p "$bench_before"
        git -C "$bench_root" worktree add --quiet --detach "$tree" "$rev"
    fi
    cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHORAVANE_BENCH=ON >/dev/null
    cmake --build "$build" --parallel 2 --target horavane >/dev/null
    horavane_before_bin=$build/src/app/horavane
    before_tickcost=
    if cmake --build "$build" --parallel 2 --target tickcost >/dev/null 2>&1; then
        before_tickcost=$build/bench/tickcost
    fi
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
# observer typed in at Greenwich, so that the sidereal dial turns too. The revision measured as
# "before" gets one of the same beside it (home-before): a run folder of its own keeps the two
# from finding each other as a running instance. "details" shows the digital window's details
# section too; "targets" opens the Targets window too, with 20 targets from pole to pole;
# "tonight" opens the Tonight window too; "sites" the Sites window with five sites; "alarms" keeps 50 alarms of every
# kind (five on targets of the 20, the Targets window closed); a key=value is one more setting, and
# Prefs_LocationSource=N replaces the typed position's source.
#   bench_horavane_home [details] [targets] [tonight] [sites] [alarms] [key=value ...]
bench_horavane_home() {
    local home option extra= source=1 targets
    targets="PREFS_targets=\"$(awk 'BEGIN { for (i = 0; i < 20; i++) printf "%g\\t%g\\t%d\\n", i * 1.2, -85 + i * 9, i }')\""
    for option in "$@"; do
        case $option in
        Prefs_LocationSource=*) source=${option#*=} ;;
        *=*) extra+="$option"$'\n' ;;
        details) extra+="APP_ShowDetails=true"$'\n' ;;
        tonight) extra+="APP_Tonight=true"$'\n' ;;
        sites) extra+="APP_Sites=true"$'\n'"PREFS_sites=\"$(printf '%s\\t%s\\t%s\\t%s\\t%s\\n' \
                -30.2407 -70.7366 2715 America/Santiago Pachon -23.34 16.23 2347 Africa/Windhoek Gamsberg \
                37.2236 -2.5463 2168 Europe/Madrid 'Calar Alto' 19.8207 -155.4681 4207 Pacific/Honolulu 'Mauna Kea' \
                -31.2733 149.0617 1165 Australia/Sydney 'Siding Spring')\""$'\n' ;;
        alarms) extra+="PREFS_alarms=\"$(awk 'BEGIN {
                split("sunset civil-dusk nautical-dusk astronomical-dusk astronomical-dawn nautical-dawn civil-dawn sunrise moonrise moonset", event)
                split("unsynchronised gps-disagrees ut1-stale unsynchronised gps-disagrees", trouble)
                for (i = 0; i < 20; i++) printf "lst\\t%02d:%02d:00\\t\\t5\\tLST %d\\n", i, i * 3, i
                for (i = 0; i < 10; i++) printf "local\\t%02d:30:00\\t\\t0\\tLocal %d\\n", i * 2, i
                for (i = 1; i <= 10; i++) printf "tonight\\t%s\\t\\t10\\tNight %d\\n", event[i], i
                for (i = 1; i <= 5; i++) printf "health\\t%s\\t\\t0\\tHealth %d\\n", trouble[i], i
                for (i = 0; i < 5; i++) printf "target\\t0\\t%d\\t10\\tFlip %d\\n", i * 4, i }')\""$'\n'"$targets"$'\n' ;;
        targets) extra+="APP_Targets=true"$'\n'"$targets"$'\n' ;;
        esac
    done
    for home in "$bench_work/home-before" "$bench_work/home"; do
        rm -rf "$home"
        mkdir -p "$home/.config/Horavane" "$home/run"
        chmod 700 "$home/run"
        cat >"$home/.config/Horavane/Horavane.conf" <<CONF
[General]
APP_Horavane=true
APP_AnalogClock=true
Prefs_LocationSource=$source
PREFS_latitude=51.4769
PREFS_longitude=-0.0005
$extra
[Donation]
hideAtLaunch=true
CONF
    done
    echo "$home"
}

# Prints the command line for a program by name (horavane, horavane-before, timerfdlabel,
# qtlabel, xclock, xclock-digital).
bench_command() {
    local home=$bench_work/home
    case $1 in
    horavane) echo env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" "$horavane_bin" ;;
    horavane-before) home=$bench_work/home-before
        echo env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/run" "$horavane_before_bin" ;;
    timerfdlabel|qtlabel) echo env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/run" "$bench_build/bench/$1" ;;
    xclock) echo xclock -update 1 -title xclock-analog ;;
    xclock-digital) echo xclock -digital -update 1 -title xclock-digital ;;
    esac
}

# The top-level windows a program shows, "<label>=<id>" each, in the order the flip watcher
# reports them. Waits until all are on screen.
bench_windows() {
    local name=$1 pid=$2 id
    case $name in
    horavane|horavane-before)
        local label=horavane home=$bench_work/home
        [ "$name" = horavane ] || label=before home=$bench_work/home-before
        id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Horavane$' | head -1)
        echo "$label-digital=$id"
        id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Analog Clock$' | head -1)
        echo "$label-analog=$id"
        if grep -qx 'APP_Targets=true' "$home/.config/Horavane/Horavane.conf"; then
            id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Targets$' | head -1)
            echo "$label-targets=$id"
        fi
        if grep -qx 'APP_Tonight=true' "$home/.config/Horavane/Horavane.conf"; then
            id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Tonight$' | head -1)
            echo "$label-tonight=$id"
        fi
        if grep -qx 'APP_Sites=true' "$home/.config/Horavane/Horavane.conf"; then
            id=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Sites$' | head -1)
            echo "$label-sites=$id"
        fi ;;
    timerfdlabel)
        echo "timerfdlabel=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^timerfd label clock$' | head -1)" ;;
    qtlabel)
        echo "qtlabel=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Qt label clock$' | head -1)" ;;
    xclock)  # xclock puts no process id on its window: its title tells the two apart
        echo "$name=$(xdotool search --sync --all --onlyvisible --name '^xclock-analog$' | head -1)" ;;
    xclock-digital)
        echo "$name=$(xdotool search --sync --all --onlyvisible --name '^xclock-digital$' | head -1)" ;;
    esac
}

# Spreads the windows over the screen, down from x y, step pixels apart (330 unless told):
# with no window manager an overlapped window would draw less, and an obscured one not at all.
bench_place() {
    local target x=$2 y=$3 step=${4:-330}
    for target in $1; do
        xdotool windowmove "${target#*=}" "$x" "$y"
        y=$((y + step))
    done
}

# Stacks the windows down the left edge, each just under the one before, so that none hides
# another whatever their heights.
bench_stack() {
    local target y=0
    for target in $1; do
        xdotool windowmove "${target#*=}" 0 "$y"
        y=$((y + 10 + $(xdotool getwindowgeometry --shell "${target#*=}" | awk -F= '$1 == "HEIGHT" { print $2 }')))
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

# Each thread of a process: "<tid> <name> <times scheduled> <voluntary> <involuntary>", the
# main thread named "main". The third field of schedstat counts the thread's turns on a
# processor: each wake-up is one, and so is each return after being preempted. The context
# switches in status tell the two apart: a voluntary one is the thread going to sleep (and so
# a wake-up to come), an involuntary one a preemption, which follows the machine's load more
# than the program.
bench_threads() {
    local task tid name
    for task in /proc/"$1"/task/*; do
        tid=${task##*/}
        name=$(cat "$task/comm" 2>/dev/null) || continue
        [ "$tid" = "$1" ] && name=main
        echo "$tid ${name// /_} $(awk '{ print $3 }' "$task/schedstat" 2>/dev/null || echo 0)" \
            "$(awk '/^voluntary_ctxt_switches/ { v = $2 } /^nonvoluntary_ctxt_switches/ { n = $2 }
                END { print v + 0, n + 0 }' "$task/status" 2>/dev/null || echo 0 0)"
    done
}

# Rates per second between two bench_threads samples taken seconds apart, one line:
# "<total> <name>=<per s> ...", threads in the order of the second sample; the field counted is
# 3 (times scheduled, the default), 4 (voluntary switches) or 5 (involuntary). A thread born in
# between counts from zero; one that ended is gone from the second sample, and from the sum.
#   bench_wakeups <first sample> <second sample> <seconds> [field]
bench_wakeups() {
    awk -v t="$3" -v f="${4:-3}" 'FNR == NR { before[$1] = $f; next }
        { n++; name[n] = $2; rate[n] = ($f - before[$1]) / t; total += rate[n] }
        END { printf "%.2f", total; for (i = 1; i <= n; i++) printf " %s=%.2f", name[i], rate[i]; print "" }' \
        "$1" "$2"
}

# Instructions a program runs per second once started, counted by callgrind: runs it alone
# under valgrind with instrumentation off until its windows are up (stacked, none hiding
# another) and it has run settle seconds more, then counts a window of seconds from half past
# one second to half past another, so that it holds as many ticks as seconds. Prints the
# figure; the profile is left in <folder>/callgrind.out.<profile>.1, the profile named as the
# program unless told.
#   bench_callgrind <name> <settle seconds> <seconds> <folder> [profile]
bench_callgrind() {
    local name=$1 settle=$2 seconds=$3 folder=$4 profile=${5:-$1} pid ns word words=() command=() placed=0
    rm -f "$folder/callgrind.out.$profile" "$folder/callgrind.out.$profile".*
    # valgrind goes in front of the program, after env and its assignments
    read -ra words <<<"$(bench_command "$name")"
    for word in "${words[@]}"; do
        if [ $placed = 0 ] && [ "$word" != env ] && [ "${word#*=}" = "$word" ]; then
            command+=(valgrind --tool=callgrind --instr-atstart=no
                --callgrind-out-file="$folder/callgrind.out.$profile")
            placed=1
        fi
        command+=("$word")
    done
    "${command[@]}" >>"$bench_work/$name.log" 2>&1 &
    pid=$!
    bench_pids+=("$pid")
    bench_stack "$(bench_windows "$name" "$pid" | tr '\n' ' ')"
    sleep "$settle"
    ns=$(date +%N)
    sleep "$(awk -v n="$ns" 'BEGIN { w = 1.5 - n / 1e9; if (w >= 1) w -= 1; printf "%.3f", w }')"
    callgrind_control -i on "$pid" >/dev/null 2>&1
    sleep "$seconds"
    callgrind_control -d "$pid" >/dev/null 2>&1
    bench_stop "$pid"
    bench_callgrind_total "$folder/callgrind.out.$profile.1" "$seconds"
}

# The instructions a callgrind profile counted, divided by a number (1 unless told).
#   bench_callgrind_total <profile> [divisor]
bench_callgrind_total() {
    callgrind_annotate "$1" 2>/dev/null \
        | awk -v t="${2:-1}" '/PROGRAM TOTALS/ && !done { gsub(",", "", $1); printf "%.0f", $1 / t; done = 1 }'
}
