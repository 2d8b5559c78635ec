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
# window 12:00-12:00 never matches, so the status is 0 without a faked clock.
broken_output() {
    local label=$1
    shift
    checks=$((checks + 1))
    local status
    status=$(
        "$@" 2>"$work/err"
        echo $?
    )
    [ "$status" = 0 ] || fail "$label: status $status, wanted 0"
    [ -s "$work/err" ] && fail "$label: wrote to stderr: $(cat "$work/err")"
}
empty_window() { "$quorvel" 12:00 12:00; }
closed_stdout() { empty_window >&-; }
full_disk() { empty_window >/dev/full; }
gone_reader() {
    # The reader has exited before the first byte is written: a process
    # that does not ignore SIGPIPE dies here with status 141.
    { sleep 0.3; empty_window; echo $? >"$work/pipe_status"; } | true
    return "$(cat "$work/pipe_status")"
}
broken_output "closed stdout" closed_stdout
broken_output "/dev/full" full_disk
broken_output "pipe reader gone" gone_reader

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
