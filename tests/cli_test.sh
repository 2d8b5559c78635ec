#!/usr/bin/env bash
# Runs the built executable as a script would: a faked clock, real exit
# statuses, real stdout and stderr, broken output channels.
# Usage: cli_test.sh path/to/quorvel
set -u

quorvel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

if ! command -v faketime >/dev/null 2>&1; then
    echo "faketime is not installed (Debian package: faketime)"
    # Skipped on a developer machine without it; CI must have it.
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi

# A sanitized build's allocator reads the clock the first time it maps
# memory, which can happen before libfaketime has initialised; libfaketime
# then allocates to finish, and the process deadlocks on the allocator's
# lock. Without its release-to-OS timer the allocator never reads the clock.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}allocator_release_to_os_interval_ms=-1"

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# at EPOCH TZ ARGS...: run quorvel with the clock stopped at that instant.
at() {
    local epoch=$1 zone=$2
    shift 2
    TZ=$zone FAKETIME_FMT=%s FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "@$epoch" \
        "$quorvel" "$@" >"$work/out" 2>"$work/err"
    echo $? >"$work/status"
}

# expect STATUS TEXT LABEL: the last run must have exited with STATUS and
# written TEXT plus one line feed, byte for byte, and nothing to stderr.
expect() {
    checks=$((checks + 1))
    local status=$1 want=$2 label=$3
    [ "$(cat "$work/status")" = "$status" ] || fail "$label: status $(cat "$work/status"), wanted $status"
    printf '%s\n' "$want" | cmp -s - "$work/out" || fail "$label: stdout was: $(cat "$work/out")"
    [ -s "$work/err" ] && fail "$label: wrote to stderr: $(cat "$work/err")"
}

epoch() { date -u -d "$1" +%s; }

line() { printf 'Now(%s) is %sbetween Start-Time(%s) and End-Time(%s).\n' "$@"; }

usage=$("$quorvel" 2>/dev/null)

# Seconds are dropped, never rounded: 16:59:59 is still 16:59.
at "$(epoch '2026-06-15 16:59:59Z')" UTC 08:00 17:00
expect 1 "$(line 16:59 '' 08:00 17:00)" "16:59:59 inside 08:00-17:00"
at "$(epoch '2026-06-15 17:00:00Z')" UTC 08:00 17:00
expect 0 "$(line 17:00 'not ' 08:00 17:00)" "end minute is outside"
at "$(epoch '2026-06-15 23:15:00Z')" UTC 22:00 06:00
expect 1 "$(line 23:15 '' 22:00 06:00)" "night window"

# Rejected arguments: the usage block, and -1 as a POSIX caller sees it.
for args in "" "08:00" "08:00 25:00" "DOW:1 08:00"; do
    # shellcheck disable=SC2086
    at "$(epoch '2026-06-15 12:00:00Z')" UTC $args
    expect 255 "$usage" "rejected: '$args'"
done

# The local wall clock, through daylight-saving changes (New York, 2026).
# 01:30 happens twice on 1 November: both report 01:30.
at "$(epoch '2026-11-01 05:30:00Z')" America/New_York 01:00 02:00
expect 1 "$(line 01:30 '' 01:00 02:00)" "first 01:30 (EDT)"
at "$(epoch '2026-11-01 06:30:00Z')" America/New_York 01:00 02:00
expect 1 "$(line 01:30 '' 01:00 02:00)" "second 01:30 (EST)"
# On 8 March the clock jumps from 01:59:59 to 03:00.
at "$(epoch '2026-03-08 06:59:59Z')" America/New_York 02:00 03:00
expect 0 "$(line 01:59 'not ' 02:00 03:00)" "just before the jump"
at "$(epoch '2026-03-08 07:00:00Z')" America/New_York 02:00 03:00
expect 0 "$(line 03:00 'not ' 02:00 03:00)" "just after the jump"
# A zone east of Greenwich, with a half hour offset.
at "$(epoch '2026-06-15 20:00:00Z')" Asia/Kolkata 01:00 02:00
expect 1 "$(line 01:30 '' 01:00 02:00)" "Kolkata 01:30"

# Day qualifiers follow the local date, not the UTC one. 11 December 2026 is
# a Friday.
at "$(epoch '2026-12-11 12:00:00Z')" UTC DOW:5 08:00 17:00
expect 1 "$(line 12:00 '' 08:00 17:00)" "Friday, start qualified"
at "$(epoch '2026-12-12 12:00:00Z')" UTC dow:1 08:00 DOW:5 17:00
expect 0 "$(line 12:00 'not ' 08:00 17:00)" "Saturday, outside the working week"
at "$(epoch '2026-12-12 03:00:00Z')" America/New_York DOW:5 22:00 06:00
expect 1 "$(line 22:00 '' 22:00 06:00)" "Friday 22:00 in New York, Saturday in UTC"
at "$(epoch '2027-01-01 05:30:00Z')" America/New_York D:31 23:00 01:00
expect 1 "$(line 00:30 '' 23:00 01:00)" "the night after the 31st"
at "$(epoch '2026-12-11 12:00:00Z')" UTC DOW:1 08:00 D:5 17:00
expect 255 "$usage" "end qualifier of another kind"

# Output that cannot be written changes nothing about the status. The empty
# window 12:00-12:00 never matches, so the status is 0 without a faked clock;
# 25:00 is rejected, so the longer usage block meets the broken channel.
# broken_output CHANNEL STATUS ARGS...: run quorvel ARGS through CHANNEL.
broken_output() {
    local channel=$1 wanted=$2
    shift 2
    checks=$((checks + 1))
    local status
    status=$(
        "$channel" "$@" 2>"$work/err"
        echo $?
    )
    [ "$status" = "$wanted" ] || fail "$channel $*: status $status, wanted $wanted"
    [ -s "$work/err" ] && fail "$channel $*: wrote to stderr: $(cat "$work/err")"
}
# SIGPIPE at its default action, even when whoever started the tests ignores
# it (an ignored signal is inherited): otherwise the pipe check cannot fail.
if env --default-signal=PIPE true 2>/dev/null; then
    default_sigpipe() { env --default-signal=PIPE "$@"; }
else
    default_sigpipe() { "$@"; }
fi
closed_stdout() { "$quorvel" "$@" >&-; }
read_only_stdout() { "$quorvel" "$@" 1</dev/null; }
full_disk() { "$quorvel" "$@" >/dev/full; }
gone_reader() {
    # The reader closes its end before quorvel starts, so the first write
    # meets a pipe without readers: a process that does not ignore SIGPIPE
    # dies there with status 141.
    rm -f "$work/reader_gone"
    {
        until [ -e "$work/reader_gone" ]; do sleep 0.01; done
        default_sigpipe "$quorvel" "$@"
        echo $? >"$work/pipe_status"
    } | {
        exec 0<&-
        : >"$work/reader_gone"
    }
    return "$(cat "$work/pipe_status")"
}
for channel in closed_stdout read_only_stdout full_disk gone_reader; do
    broken_output "$channel" 0 12:00 12:00
    broken_output "$channel" 255 25:00 12:00
done

# Hostile command lines through the real process. Linux allows one argument
# 131072 bytes including its terminating NUL; 15 June 2026 is a Monday.
# hostile LABEL STATUS START END ARGS...: START and END are the times the
# report must show; with STATUS 255 the usage block is expected instead.
hostile() {
    local label=$1 status=$2 start=$3 end=$4
    shift 4
    at "$(epoch '2026-06-15 12:00:00Z')" UTC "$@"
    case $status in
    255) expect 255 "$usage" "$label" ;;
    1) expect 1 "$(line 12:00 '' "$start" "$end")" "$label" ;;
    *) expect "$status" "$(line 12:00 'not ' "$start" "$end")" "$label" ;;
    esac
}
longest=131071
fill() { printf "%${2}s" '' | tr ' ' "$1"; }
hostile "longest argument: leading zeros" 1 08:05 17:00 "$(fill 0 $((longest - 4)))8:05" 17:00
hostile "longest argument: white space" 1 08:05 17:00 "$(fill ' ' $((longest - 4)))8:05" 17:00
hostile "longest argument: trailing text" 0 08:00 12:00 08:00 "12:00$(fill x $((longest - 5)))"
hostile "longest argument: one number" 255 - - "$(fill 9 $((longest - 3))):00" 17:00
hostile "longest argument: a qualifier" 1 08:00 17:00 "DOW:$(fill 0 $((longest - 5)))1" 08:00 17:00
junk=()
qualifiers=()
for ((i = 0; i < 20000; i++)); do
    junk+=(25:99)
    qualifiers+=(DOW:1)
done
hostile "20000 arguments after the window" 1 08:00 17:00 08:00 17:00 "${junk[@]}"
hostile "20000 qualifiers" 255 - - "${qualifiers[@]}"
hostile "a control byte before a bound" 255 - - $'\x01'08:00 17:00
hostile "an escape sequence before a bound" 255 - - $'\e[1m'08:00 17:00
hostile "full-width digits" 255 - - $'\xef\xbc\x90\xef\xbc\x98:00' 17:00
hostile "a no-break space" 255 - - $'\xc2\xa0'8:00 17:00
hostile "invalid UTF-8" 255 - - $'\xff\xfe' $'\x80'
hostile "vertical tab and form feed" 1 08:00 17:00 $'\v'8:00 $'\f'17:00
hostile "bytes after the bounds" 1 08:00 17:00 08:00$'\x7f\xff' 17:00$'\e[0m'

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
