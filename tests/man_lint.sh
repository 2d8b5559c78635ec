#!/usr/bin/env bash
# Renders the built manual page with every formatter that is installed and
# fails on any warning, and checks that the build stamped the version in.
# Usage: man_lint.sh path/to/quorvel.1 VERSION
set -u

page=$1
version=$2
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if grep -n '@[A-Za-z_]*@' "$page"; then
    fail "placeholders left unsubstituted (install the configured page, not the .in file)"
fi
grep -q "^\.TH QUORVEL 1 .* \"quorvel $version\"" "$page" ||
    fail "the title line does not carry version $version: $(grep '^\.TH' "$page")"

formatters=0
if command -v groff >/dev/null 2>&1; then
    formatters=$((formatters + 1))
    # -ww: every warning; -z: format but discard the output.
    report=$(groff -ww -man -z "$page" 2>&1)
    status=$?
    if [ "$status" -ne 0 ] || [ -n "$report" ]; then fail "groff (status $status): $report"; fi
fi
if command -v mandoc >/dev/null 2>&1; then
    formatters=$((formatters + 1))
    # The lint output includes style messages, which count as failures too.
    report=$(mandoc -T lint -W style "$page" 2>&1)
    status=$?
    if [ "$status" -ne 0 ] || [ -n "$report" ]; then fail "mandoc (status $status): $report"; fi
fi

if [ "$formatters" -eq 0 ]; then
    echo "neither groff nor mandoc is installed (Debian packages: groff-base, mandoc)"
    # Skipped on a developer machine without them; CI must have one.
    [ "${CI:-}" = true ] && exit 1
    exit 77
fi

echo "$formatters formatter(s), $failures failure(s)"
[ "$failures" -eq 0 ]
