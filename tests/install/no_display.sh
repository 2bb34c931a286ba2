#!/usr/bin/env bash
# scripts/run without a display says so in one line, with the way to run it under xvfb-run,
# before it installs or builds anything.
#   no_display.sh SOURCE_DIR
set -uo pipefail
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$1/scripts/run" > "$out" 2> "$err"
status=$?
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$status" = 1 ] || fail "scripts/run without a display ended with status $status, not 1"
[ ! -s "$out" ] || fail "scripts/run wrote to standard output: $(cat "$out")"
[ "$(wc -l < "$err")" = 1 ] || fail "expected one line on standard error, got: $(cat "$err")"
grep -q 'no display' "$err" && grep -q 'xvfb-run' "$err" \
    || fail "the line does not say there is no display and how to use xvfb-run: $(cat "$err")"
