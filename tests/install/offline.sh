#!/usr/bin/env bash
# The program needs no network: the walk run without any network (unshare -n) behaves as the
# walk run with one (same windows at each step, the same photograph and exit dialog on the
# screen, same messages), and the only sockets it opens are Unix sockets to the display, the
# sound server and the desktop's session bus (Qt's accessibility bridge asks it for the
# screen readers' bus).
#   offline.sh EDITION_DIR
# unshare -n needs root (or user namespaces) and strace needs ptrace; where either is refused
# the test is skipped.
set -euo pipefail
source "$(dirname "$0")/walk.sh"
program="$1/vantora-fernvales"

if ! unshare -n true 2> /dev/null; then
    echo "unshare -n is not permitted here (it needs root): skipped"
    exit 77
fi
command -v strace > /dev/null || fern_fail "strace is missing (Debian package strace)"
if ! strace -o /dev/null true 2> /dev/null; then
    echo "strace may not trace here (ptrace is not permitted): skipped"
    exit 77
fi
command -v xwd > /dev/null || fern_fail "xwd is missing (Debian package x11-apps)"
fern_start_x

# One walk: NAME, then the command's wrapper words (if any). The program writes its key
# at the end, so every walk starts from the same one.
walk() {
    local name=$1
    shift
    fern_fresh_user_env "$fern_scratch/$name"
    local config="$fern_scratch/$name/config/Vantora Software Ltd/Vantora Fernvales"
    mkdir -p "$config"
    printf '[General]\nStateBits=0\n' > "$config/1.2.conf"
    fern_walk "$@" strace -f -qq -e trace=socket,connect,execve -o "$fern_scratch/$name.trace" \
        "${fern_user_env[@]}" "XDG_CONFIG_HOME=$fern_scratch/$name/config" "$program"
    mv "$fern_scratch/walk.log" "$fern_scratch/$name.walk"
    mv "$fern_scratch/photograph.xwd" "$fern_scratch/$name.photograph.xwd"
    mv "$fern_scratch/dialog.xwd" "$fern_scratch/$name.dialog.xwd"
    # The sandbox paths differ between the walks; the messages must not otherwise.
    sed "s|$fern_scratch/$name|SANDBOX|g" "$fern_scratch/stderr.log" > "$fern_scratch/$name.stderr"
}
walk online
walk offline unshare -n

cmp -s "$fern_scratch/online.walk" "$fern_scratch/offline.walk" \
    || fern_fail "the windows differ without network: $(diff "$fern_scratch/online.walk" "$fern_scratch/offline.walk")"
cmp -s "$fern_scratch/online.stderr" "$fern_scratch/offline.stderr" \
    || fern_fail "the messages differ without network: $(diff "$fern_scratch/online.stderr" "$fern_scratch/offline.stderr")"
for picture in photograph dialog; do
    cmp -s "$fern_scratch/online.$picture.xwd" "$fern_scratch/offline.$picture.xwd" \
        || fern_fail "the $picture looks different without network"
done

for run in online offline; do
    sockets=$(grep -E '(^| )socket\(' "$fern_scratch/$run.trace" || true)
    [ -n "$sockets" ] || fern_fail "strace saw no socket at all in the $run walk: the trace is broken"
    other=$(grep -v 'socket(AF_UNIX' <<< "$sockets" || true)
    [ -z "$other" ] || fern_fail "the program opened a socket that is not a Unix socket: $other"
    connects=$(grep -E '(^| )connect\(' "$fern_scratch/$run.trace" || true)
    strange=$(grep -v -E 'sun_path=@?"(/tmp/\.X11-unix/X[0-9]+|[^"]*/(pulse/native|no-pulse|pipewire-0|no-pipewire|bus|no-session-bus))"' \
        <<< "$connects" || true)
    [ -z "$strange" ] || fern_fail "the program connected elsewhere than to the display, sound or session bus: $strange"
    # Nor does it start another program that could: env starts it, and that is all.
    started=$(grep -E 'execve\(' "$fern_scratch/$run.trace" | grep -E '\) = 0$' | sed -E 's/.*execve\("([^"]*)".*/\1/')
    [ "$(tr '\n' ' ' <<< "$started")" = "$(command -v env) $program " ] \
        || fern_fail "the program started other programs: $started"
done
echo "with and without network the walk is the same; sockets: Unix, to the display, sound and session bus only"
