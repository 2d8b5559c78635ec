#!/usr/bin/env bash
# Start-up cost of one whole quorvel run, which is all a scheduler pays for:
#   - wall time with hyperfine, in one run against /bin/true (the floor for
#     any process) and `date +%H:%M` (what a script would call instead);
#   - instructions executed, from _start to exit, under callgrind;
#   - peak resident memory, with GNU time, against /bin/true.
# A measurement, not a test: it prints figures and the goals beside them and
# exits 0 whatever they are.
#
# Usage: bench/startup.sh [path/to/quorvel]
# Without a path it builds the release preset (static) and measures that.
# RUNS (default 2000) sets the hyperfine runs per command.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ge 1 ]; then
    quorvel=$1
else
    (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release >/dev/null)
    quorvel=$root/build/release/src/quorvel
fi
runs=${RUNS:-2000}

for tool in hyperfine valgrind awk; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "$tool is not installed (Debian packages: hyperfine valgrind time)"
        exit 1
    }
done
[ -x /usr/bin/time ] || {
    echo "/usr/bin/time (GNU time, Debian package: time) is not installed"
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Equal bounds make the empty window: the run reads the clock and the zone,
# and prints the report, like any other, and always exits 0.
args=(12:00 12:00)
echo "executable: $quorvel ($(file -b "$quorvel" 2>/dev/null | cut -d, -f1-2 || true))"
echo "one run:    $("$quorvel" "${args[@]}")"
echo

# --- wall time ---------------------------------------------------------------
# -N: no intermediate shell, so each figure is the process alone.
hyperfine -N --warmup 100 --runs "$runs" --export-csv "$work/times.csv" \
    "$quorvel ${args[*]}" /bin/true "date +%H:%M"
echo
# The CSV's columns: command,mean,stddev,median,user,system,min,max (seconds).
awk -F, 'NR > 1 { median[NR - 1] = $4 }
    END {
        printf "median wall time: quorvel %.1f us, /bin/true %.1f us, date %.1f us\n",
               median[1] * 1e6, median[2] * 1e6, median[3] * 1e6
        printf "median ratio quorvel / true: %.2f (goal: at most 1.00)\n", median[1] / median[2]
        printf "median ratio quorvel / date: %.2f\n", median[1] / median[3]
    }' "$work/times.csv"
echo

# --- instructions ------------------------------------------------------------
# Every glibc process, static or dynamic, scans its environment at start-up
# for tunables, some hundreds of instructions per variable: the count is
# therefore taken in a cron-like environment, and in this shell's for scale.
# instructions [VAR=VALUE...] -- COMMAND...: the count for COMMAND, run with
# exactly those variables, or with this shell's environment when none are given.
instructions() {
    local vars=()
    while [ "$1" != -- ]; do
        vars+=("$1")
        shift
    done
    shift
    local launch=()
    [ ${#vars[@]} -gt 0 ] && launch=(env -i "${vars[@]}")
    "${launch[@]}" valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" \
        >/dev/null 2>&1 || true
    awk '/^(summary|totals):/ { print $2; exit }' "$work/callgrind.out"
}
cron_vars=(HOME=/ LOGNAME=root PATH=/usr/bin:/bin SHELL=/bin/sh)
[ -n "${TZ:-}" ] && cron_vars+=("TZ=$TZ")
echo "instructions, cron-like environment (${cron_vars[*]}):"
echo "  quorvel:   $(instructions "${cron_vars[@]}" -- "$quorvel" "${args[@]}") (goal: at most 60000)"
echo "  /bin/true: $(instructions "${cron_vars[@]}" -- /bin/true)"
echo "instructions, this shell's environment ($(env | wc -l) variables):"
echo "  quorvel:   $(instructions -- "$quorvel" "${args[@]}")"
echo "  /bin/true: $(instructions -- /bin/true)"
echo "where they go: valgrind --tool=callgrind --callgrind-out-file=cg.out $quorvel ${args[*]}"
echo "               callgrind_annotate --inclusive=yes cg.out"
echo

# --- peak memory -------------------------------------------------------------
# The largest maximum resident set size over a few runs, in KiB.
peak_rss() {
    local most=0 kib
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kib=$(/usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1)
        [ "$kib" -gt "$most" ] && most=$kib
    done
    echo "$most"
}
q_rss=$(peak_rss "$quorvel" "${args[@]}")
t_rss=$(peak_rss /bin/true)
echo "peak resident memory: quorvel $q_rss KiB, /bin/true $t_rss KiB (goal: quorvel at most /bin/true)"
