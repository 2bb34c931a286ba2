# Shared by the tests of the installed program (sourced): a scratch directory, a virtual X
# server, and a short walk through the program as a user makes it: the title window, a click
# that ends the title sequence, F1 on the help window a new user gets, the control screen, a click on the Corvanic Fernvales on its
# map, the explore screen, the first view's photograph, the logo back to the control screen,
# its Exit button, the exit dialog, Enter. Windows are found by their class, the program's
# file name; places on the screen are those of the 1024 x 768 screen the tests use.

fern_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

fern_scratch=$(mktemp -d)
fern_x_pid=""
fern_cleanup() {
    [ -n "$fern_x_pid" ] && kill "$fern_x_pid" 2>/dev/null && wait "$fern_x_pid" 2>/dev/null
    rm -rf "$fern_scratch"
}
trap fern_cleanup EXIT

# Starts an X server of 1024 x 768 pixels on a free display and exports DISPLAY for it.
fern_start_x() {
    command -v Xvfb > /dev/null || fern_fail "Xvfb is missing (Debian package xvfb)"
    command -v xdotool > /dev/null || fern_fail "xdotool is missing (Debian package xdotool)"
    command -v xwd > /dev/null || fern_fail "xwd is missing (Debian package x11-apps)"
    local numberFile="$fern_scratch/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$numberFile" 2> /dev/null &
    fern_x_pid=$!
    local tries
    for tries in $(seq 100); do
        [ -s "$numberFile" ] && break
        sleep 0.1
    done
    [ -s "$numberFile" ] || fern_fail "Xvfb did not start"
    export DISPLAY=":$(cat "$numberFile")"
}

# A new account's surroundings in DIR: an empty home, its own runtime directory, no sound
# server or sound card (so every machine runs the same, silent program), and a session bus
# address that leads nowhere (without one, D-Bus would try to launch a bus of its own).
fern_fresh_user_env() {
    local dir=$1
    mkdir -p "$dir/home" "$dir/runtime"
    chmod 700 "$dir/runtime"
    : > "$dir/no-sound-cards.conf"
    printf 'autospawn = no\n' > "$dir/pulse-client.conf"
    fern_user_env=(env -i "PATH=$PATH" "HOME=$dir/home" "XDG_RUNTIME_DIR=$dir/runtime"
        "DISPLAY=${DISPLAY:-}" "LANG=C.UTF-8"
        "PULSE_SERVER=unix:$dir/no-pulse" "PULSE_CLIENTCONFIG=$dir/pulse-client.conf"
        "PIPEWIRE_REMOTE=$dir/no-pipewire" "ALSA_CONFIG_PATH=$dir/no-sound-cards.conf"
        "DBUS_SESSION_BUS_ADDRESS=unix:path=$dir/no-session-bus")
}

# The program's visible top-level windows, one id per line.
fern_visible_windows() {
    xdotool search --onlyvisible --classname '^vantora-fernvales$' 2> /dev/null | sort
}

# Waits up to SECONDS for a visible window that is not among the ids in EXCEPT (a
# space-separated list) and prints its id.
fern_wait_new_window() {
    local except=" $1 " seconds=$2 step id
    for step in $(seq 0 $((seconds * 10))); do
        for id in $(fern_visible_windows); do
            case "$except" in *" $id "*) ;; *) echo "$id" && return 0 ;; esac
        done
        sleep 0.1
    done
    return 1
}

# "WIDTHxHEIGHT" of every visible window, sorted: what a step of the walk saw.
fern_window_sizes() {
    local id
    for id in $(fern_visible_windows); do
        xdotool getwindowgeometry "$id" 2> /dev/null | sed -n 's/^ *Geometry: //p'
    done | sort | tr '\n' ' '
    echo
}

# Photographs the screen into FILE once it has stopped changing (two pictures half a second
# apart agree), within SECONDS.
fern_still_picture() {
    local file=$1 seconds=$2 step
    xwd -root -silent > "$file"
    for step in $(seq $((seconds * 2))); do
        sleep 0.5
        xwd -root -silent > "$file.next"
        cmp -s "$file" "$file.next" && rm "$file.next" && return 0
        mv "$file.next" "$file"
    done
    return 1
}

# Runs COMMAND... through the walk; its standard error goes to $fern_scratch/stderr.log and
# what each step saw to $fern_scratch/walk.log, and the screen with the photograph and with
# the exit dialog to $fern_scratch/photograph.xwd and dialog.xwd. Fails on the first step that
# goes wrong.
fern_walk() {
    local log="$fern_scratch/walk.log"
    "$@" 2> "$fern_scratch/stderr.log" &
    local program=$!

    local title
    title=$(fern_wait_new_window "" 60) || fern_fail "the title window did not appear"
    echo "title: $(fern_window_sizes)" > "$log"
    # A click ends the title sequence once the other windows are set up (100 ms after showing);
    # on a busy machine a click that comes too early is ignored, and the jingle's end (28 s)
    # ends the sequence instead.
    sleep 1
    xdotool mousemove 512 307 click 1
    # The title window (and the backdrop, if the zoom began) give way to the control screen.
    local stage="" step
    for step in $(seq 400); do
        if ! fern_visible_windows | grep -qx "$title"; then
            sleep 0.5
            stage=$(fern_visible_windows)
            break
        fi
        sleep 0.1
    done
    [ -n "$stage" ] || fern_fail "the control screen did not follow the title window"
    # A new user gets the help window over the control screen; F1 puts it away.
    local id help=""
    for id in $stage; do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: 1024x768' || help=$id
    done
    if [ -n "$help" ]; then
        echo "help: $(fern_window_sizes)" >> "$log"
        xdotool windowfocus --sync "$help" key F1
        for step in $(seq 100); do
            fern_visible_windows | grep -qx "$help" || break
            sleep 0.1
        done
        stage=$(fern_visible_windows)
    fi
    [ "$(wc -l <<< "$stage")" = 1 ] || fern_fail "more than the control screen is left: $stage"
    echo "control screen: $(fern_window_sizes)" >> "$log"

    fern_still_picture "$fern_scratch/control.xwd" 10 || fern_fail "the control screen never stood still"

    # A click on the Fernvales on the map explores the nearest place; its first view tab shows
    # the photograph, without the detailed map's flashing dot.
    xdotool mousemove 800 600 click 1
    sleep 1
    xdotool mousemove 1001 131 click 1
    fern_still_picture "$fern_scratch/photograph.xwd" 20 || fern_fail "the photograph never stood still"
    cmp -s "$fern_scratch/control.xwd" "$fern_scratch/photograph.xwd" \
        && fern_fail "the map click and the view tab changed nothing"
    echo "photograph: $(fern_window_sizes)" >> "$log"

    # The logo returns to the control screen, whose Exit button is the top right corner.
    xdotool mousemove 48 738 click 1
    fern_still_picture "$fern_scratch/back.xwd" 10 || fern_fail "the control screen never stood still"
    cmp -s "$fern_scratch/control.xwd" "$fern_scratch/back.xwd" \
        || fern_fail "the logo did not return to the control screen as it was"
    xdotool mousemove 1014 10 click 1
    local dialog
    dialog=$(fern_wait_new_window "$stage" 20) || fern_fail "Exit did not open the exit dialog"
    sleep 1  # lets the dialog take the keyboard focus
    fern_visible_windows | grep -qx "$dialog" || fern_fail "the exit dialog went away by itself"
    echo "exit dialog: $(fern_window_sizes)" >> "$log"
    xwd -root -silent > "$fern_scratch/dialog.xwd"

    # Enter chooses Exit, and the program ends without asking again.
    xdotool windowfocus --sync "$dialog" key Return
    local waited
    for waited in $(seq 150); do
        kill -0 "$program" 2> /dev/null || break
        fern_wait_new_window "$stage $dialog" 0 > /dev/null && fern_fail "a window opened after Exit"
        sleep 0.1
    done
    if kill -0 "$program" 2> /dev/null; then
        kill "$program"
        fern_fail "the program did not end after Enter in the exit dialog"
    fi
    wait "$program" || fern_fail "the program ended with status $?"
    echo "ended" >> "$log"
}
