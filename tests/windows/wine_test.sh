#!/usr/bin/env bash
# Runs the Windows executable under Wine as cmd.exe and scripts see it: the
# bytes it writes (CR LF line ends from text-mode stdout), the exit status as
# %ERRORLEVEL% shows it, and the same answers as the native Linux build.
#
# Usage: wine_test.sh missing
#        wine_test.sh setup|cleanup WINE WINESERVER DIR
#        wine_test.sh output WINE WINESERVER DIR QUORVEL_EXE VERSION
#        wine_test.sh status WINE WINESERVER DIR QUORVEL_EXE
#        wine_test.sh parity WINE WINESERVER DIR QUORVEL_EXE NATIVE_QUORVEL
# DIR holds the Wine prefix that `setup` creates once for the whole test run
# (the first start of Wine takes seconds) and `cleanup` removes.
set -u

mode=$1
shift

# Skipped on a developer machine that lacks a tool; CI must have it.
skip() {
    echo "$*"
    [ "${CI:-}" = true ] && exit 1
    exit 77
}

if [ "$mode" = missing ]; then
    skip "Wine is not installed (Debian packages: wine wine64)"
fi

wine=$1
wineserver=$2
dir=$3
shift 3

# Nothing of the machine's own Wine setup or home is used or touched: the
# prefix and the home Wine links its user folders to are both in DIR.
export WINEPREFIX="$dir/prefix"
export HOME="$dir/home"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

case $mode in
setup)
    rm -rf "$dir"
    mkdir -p "$HOME"
    started=$(date +%s)
    if ! "$wine" wineboot --init >"$dir/wineboot.log" 2>&1; then
        echo "wineboot failed:"
        cat "$dir/wineboot.log"
        exit 1
    fi
    echo "Wine prefix created in $(($(date +%s) - started)) s"
    exit 0
    ;;
cleanup)
    [ -d "$WINEPREFIX" ] && "$wineserver" -k >/dev/null 2>&1
    rm -rf "$dir"
    exit 0
    ;;
esac

# Absolute, since the runs below start in a scratch directory.
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
if [ ! -d "$WINEPREFIX/drive_c" ]; then
    echo "no Wine prefix in $WINEPREFIX: run this through ctest, whose wine_prefix_setup test creates it"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Shows text with its line ends visible (\r, and $ for the line feed).
visible() { sed -n l "$1" | head -20; }

# direct ARGS...: runs quorvel.exe the way a Linux script would start it.
# Wine hands the Windows exit code's low eight bits to the caller.
direct() {
    local attempt status
    for attempt in 1 2 3; do
        (cd "$work" && "$wine" "$exe" "$@" >"$work/out" 2>"$work/err")
        status=$?
        # Wine's rare failure to start a program (see windows below) leaves
        # no trace but the status; quorvel.exe always writes something.
        if [ -s "$work/out" ] || [ -s "$work/err" ]; then
            break
        fi
        echo "attempt $attempt of '$*': no output at all, status $status"
    done
    echo "$status" >"$work/status"
}

# windows ARGS...: runs quorvel.exe from cmd.exe and reads %ERRORLEVEL%
# (delayed, so it is read after the run), which is the Windows exit code.
# The arguments must not need quoting for cmd.exe.
cp "$exe" "$work/quorvel.exe"
windows() {
    local attempt errorlevel
    for attempt in 1 2 3; do
        # No earlier run's output may stand in for this one's.
        rm -f "$work/out"
        (cd "$work" && "$wine" cmd /v:on /c "quorvel.exe $* >out & echo !ERRORLEVEL!" \
            >"$work/errorlevel" 2>"$work/err")
        errorlevel=$(tr -d '\r\n' <"$work/errorlevel")
        # Now and then (one run in some thousands) cmd.exe under Wine does
        # not find quorvel.exe (9009) or prints nothing at all: quorvel.exe
        # never ran, so its answer is still to be had. It answers only -1, 0
        # or 1 itself.
        case $errorlevel in
        "" | 9009)
            echo "attempt $attempt of '$*': cmd.exe did not run quorvel.exe" \
                "(it wrote '$errorlevel', and to stderr: $(cat "$work/err"))"
            ;;
        *) break ;;
        esac
    done
    case $errorlevel in
    -1 | 0 | 1) echo "$errorlevel" >"$work/status" ;;
    *)
        echo "(cmd.exe wrote: $(visible "$work/errorlevel"))" >"$work/status"
        ;;
    esac
}

# no_stderr LABEL: the last run wrote nothing to standard error.
no_stderr() {
    [ -s "$work/err" ] && fail "$1: wrote to stderr: $(cat "$work/err")"
}

# crlf: LF line ends to CR LF, as text-mode stdout writes them on Windows.
crlf() { sed 's/$/\r/'; }

case $mode in
output)
    version=$1
    # The usage block, byte for byte.
    direct
    checks=$((checks + 1))
    printf '%s\n' \
        "Quorvel (Start Time(00:00-23:59)) (End Time(00:00-23:59))" \
        "Return  0:Now is not between Start-Time and End-Time." \
        "        1:Now is between Start-Time and End-Time." \
        "       -1:Failed." \
        "quorvel version $version" \
        "Copyright (c) 2026 The Quorvel developers. MIT License." \
        "Documentation and bug reports: see the README that comes with quorvel." |
        crlf >"$work/usage"
    cmp -s "$work/usage" "$work/out" || fail "usage block: stdout was: $(visible "$work/out")"
    [ "$(cat "$work/status")" = 255 ] || fail "usage block: status $(cat "$work/status"), wanted 255"
    no_stderr "usage block"

    # The report line: the time is the clock's, the rest is fixed.
    crlf_end=$'\r\n'
    for window in "08:00 17:00" "22:00 06:00" "12:00 12:00"; do
        checks=$((checks + 1))
        read -r -a bounds <<<"$window"
        direct "${bounds[@]}"
        pattern="^Now\(([01][0-9]|2[0-3]):[0-5][0-9]\) is (not )?between Start-Time\(${bounds[0]}\) and End-Time\(${bounds[1]}\)\.${crlf_end}\$"
        # The sentinel keeps the final line end, which $(...) would strip.
        text=$(
            cat "$work/out"
            echo .
        )
        [[ ${text%.} =~ $pattern ]] || fail "report '$window': stdout was: $(visible "$work/out")"
        no_stderr "report '$window'"
    done
    ;;

status)
    # Rejected arguments: -1 arrives as -1, not as 255 or 4294967295.
    for args in "" "08:00" "08:00 25:00" "24:00 08:00" "DOW:1 08:00"; do
        checks=$((checks + 1))
        read -r -a argv <<<"$args"
        windows "${argv[@]}"
        [ "$(cat "$work/status")" = -1 ] ||
            fail "rejected '$args': %ERRORLEVEL% $(cat "$work/status"), wanted -1"
        no_stderr "rejected '$args'"
    done
    # A window that never matches, whatever the clock says.
    for args in "12:00 12:00" "0:00 00:00"; do
        checks=$((checks + 1))
        read -r -a argv <<<"$args"
        windows "${argv[@]}"
        [ "$(cat "$work/status")" = 0 ] ||
            fail "empty window '$args': %ERRORLEVEL% $(cat "$work/status"), wanted 0"
        grep -q ' is not between ' "$work/out" || fail "empty window '$args': stdout was: $(cat "$work/out")"
    done
    # Two windows that split the day, so that both verdicts come up: the
    # status agrees with the report's verdict word.
    for args in "00:00 12:00" "12:00 00:00"; do
        checks=$((checks + 1))
        read -r -a argv <<<"$args"
        windows "${argv[@]}"
        if grep -q ' is between ' "$work/out"; then
            wanted=1
        elif grep -q ' is not between ' "$work/out"; then
            wanted=0
        else
            fail "window '$args': no verdict in stdout: $(cat "$work/out")"
            continue
        fi
        [ "$(cat "$work/status")" = "$wanted" ] ||
            fail "window '$args': %ERRORLEVEL% $(cat "$work/status") for: $(cat "$work/out")"
    done
    ;;

parity)
    native=$1
    if [ -z "$native" ] || [ ! -x "$native" ]; then
        skip "no native quorvel to compare with ('$native'): build the dev preset first," \
            "or set QUORVEL_NATIVE_EXECUTABLE"
    fi
    # Both read the clock in one zone, whatever the machine's own: the
    # Windows C runtime reads TZ only in the form name, offset (hours west),
    # optional daylight name, which POSIX reads alike. No daylight saving (the
    # two disagree on its rules); half an hour off UTC, so that local time
    # cannot pass for UTC.
    export TZ=IST-5:30
    # Each row runs natively before and after its Windows run, and the Windows
    # answer must equal one of the two: the minute may turn in between.
    rows=(
        # Rejected arguments.
        "" "08:00" "08:00 25:00" "25:00 08:00" "24:00 08:00" "8:60 09:00" "abc def"
        "08:00 17" "-1:00 08:00" "4294967304:00 17:00" "DOWN:3 08:00 17:00" "DOW:1 08:00"
        # Day qualifiers that do not pair up or are out of range.
        "DOW:1 08:00 D:5 17:00" "08:00 DOW:5 17:00" "DOW:7 08:00 17:00"
        "DOW:1 08:00 DOW:7 17:00" "D:0 08:00 17:00" "D:32 08:00 17:00" "MD:13/1 08:00 17:00"
        # Empty windows, and what is ignored around a bound.
        "12:00 12:00" "0:00 00:00" "23:59 23:59 extra" "08:30pm 8:30" "+8:00 08:00"
        # Windows whose verdict follows the clock.
        "08:00 17:00" "22:00 06:00"
        # Windows that follow the date: each weekday and each month alone, so
        # that a date field off by one on one build changes a verdict.
        "DOW:0 00:00 DOW:1 00:00" "DOW:1 00:00 DOW:2 00:00" "DOW:2 00:00 DOW:3 00:00"
        "DOW:3 00:00 DOW:4 00:00" "DOW:4 00:00 DOW:5 00:00" "DOW:5 00:00 DOW:6 00:00"
        "DOW:6 00:00 DOW:0 00:00"
        "D:1 00:00 D:11 00:00" "D:11 00:00 D:21 00:00" "D:21 00:00 D:1 00:00"
    )
    for month in 1 2 3 4 5 6 7 8 9 10 11 12; do
        rows+=("MD:$month/1 00:00 MD:$((month % 12 + 1))/1 00:00")
    done
    for args in "${rows[@]}"; do
        checks=$((checks + 1))
        read -r -a argv <<<"$args"
        "$native" "${argv[@]}" >"$work/before" 2>/dev/null
        echo $? >"$work/before_status"
        windows "${argv[@]}"
        "$native" "${argv[@]}" >"$work/after" 2>/dev/null
        echo $? >"$work/after_status"
        windows_status=$(cat "$work/status")
        matched=false
        for run in before after; do
            native_status=$(cat "$work/${run}_status")
            # POSIX keeps the low eight bits of -1.
            [ "$native_status" = 255 ] && native_status=-1
            if [ "$native_status" = "$windows_status" ] && crlf <"$work/$run" | cmp -s - "$work/out"; then
                matched=true
            fi
        done
        $matched || fail "'$args': Windows status $windows_status, stdout: $(visible "$work/out")" \
            "; native status $(cat "$work/after_status"), stdout: $(visible "$work/after")"
        no_stderr "'$args'"
    done
    ;;

*)
    echo "unknown mode: $mode"
    exit 2
    ;;
esac

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
