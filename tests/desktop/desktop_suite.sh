#!/usr/bin/env bash
# The desktop suite: Velmor as people run it. It installs the build into a
# temporary prefix, starts an X server (Xvfb) of its own with a window
# manager (openbox), and runs the installed program as an ordinary user with
# a fresh home, driving it with real X key events and reading what a user
# would notice: where the window comes back, what the settings file keeps,
# captions, window class and icon, the clipboard, screenshots in light and dark
# themes and at scale 2 (into BUILD/artifacts/desktop).
#
# Usage: desktop_suite.sh BUILD_FOLDER
# Every process it starts is stopped by its PID; it touches no other display.
set -uo pipefail

build=$(cd "$1" && pwd)
artifacts=$build/artifacts/desktop
mkdir -p "$artifacts"
scratch=$(mktemp -d /tmp/velmor-desktop-XXXXXX)
chmod 755 "$scratch"
prefix=$scratch/prefix
passed=0
failed=0
started=()

stop_all() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
    chmod -R u+w "$scratch"
    rm -rf "$scratch"
}
trap stop_all EXIT

say() { printf '%s\n' "$*"; }
fail() {
    say "    FAIL: $*"
    return 1
}

# --- the machine --------------------------------------------------------

# The first display number nobody uses.
display=
for number in $(seq 91 199); do
    if [[ ! -e /tmp/.X$number-lock && ! -e /tmp/.X11-unix/X$number ]]; then
        display=:$number
        break
    fi
done
[[ -n $display ]] || { say "no free display"; exit 1; }

# Polls `condition` (a command) every 50 ms for up to `seconds`.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    while ((tries-- > 0)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
started+=($!)
export DISPLAY=$display
wait_for 10 xdpyinfo || { say "Xvfb did not start"; exit 1; }
openbox >"$scratch/openbox.log" 2>&1 &
started+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { say "openbox did not start"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The ordinary user: root hands the program to nobody, anyone else runs it
# as themselves.
if [[ $(id -u) -eq 0 ]]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
    owner=65534:65534
else
    as_user=()
    owner=$(id -u):$(id -g)
fi

# A fresh home for a user of the suite.
new_home() {
    local made
    made=$(mktemp -d "$scratch/home-XXXXXX")
    mkdir -p "$made/runtime"
    chmod 700 "$made/runtime"
    chown -R "${2:-$owner}" "$made"
    printf -v "$1" '%s' "$made"
}

# Starts PROGRAM as RUNNER with HOME and whatever VAR=VALUE words follow,
# in a clean environment; sets `pid` and, once its main window is mapped
# and framed by the window manager, `window`.
pid=
window=
launch() {
    local runner=$1 home=$2 program=$3
    shift 3
    local -a who=()
    [[ $runner == user ]] && who=("${as_user[@]}")
    "${who[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$display" \
        XDG_RUNTIME_DIR="$home/runtime" LANG=C.UTF-8 "$@" "$program" \
        >>"$scratch/velmor.log" 2>&1 &
    pid=$!
    started+=("$pid")
    window=
    wait_for 10 find_window || fail "no window appeared" || return 1
    wait_for 5 framed "$window" || fail "the window manager did not frame the window"
}

find_window() {
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name 'Velmor v' 2>/dev/null | head -n 1)
    [[ -n $window ]]
}

framed() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

# Waits for the program to end by itself; kills it after 10 s.
wait_end() {
    local tries=200
    while kill -0 "$pid" 2>/dev/null && ((tries-- > 0)); do sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null
        fail "Velmor did not end"
        return 1
    fi
    wait "$pid" 2>/dev/null
    return 0
}

# Real key events to the active window, once `window` has the focus.
focus() { timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1; }
keys() {
    focus
    xdotool key --delay 30 "$@"
}
type_text() {
    focus
    xdotool type --delay 30 "$1"
}

# The outer frame's top-left corner of `window`, in pixels: "X,Y".
frame_corner() {
    local x y left top
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
    read -r left _ top _ < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)),$((y - top))"
}

line() { sed -n "$2p" "$1" | tr -d '\r'; }

shot() { import -window "$1" "$artifacts/$2.png"; }

check() {
    local name=$1
    shift
    say "== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        say "   (failed: $name)"
    fi
}

velmor=$prefix/bin/velmor

# --- what a user notices ------------------------------------------------

ten_restarts_leave_the_window_where_it_was_put() {
    local home config first corner
    new_home home
    config=$home/.config/velmor/config.ini
    launch user "$home" "$velmor" || return 1
    xdotool windowmove --sync "$window" 237 141
    wait_for 5 sh -c "[ \"\$(xwininfo -id $window | awk '/Absolute upper-left X/ {print \$4}')\" != 0 ]"
    first=$(frame_corner "$window")
    keys Escape
    wait_end || return 1
    [[ $(line "$config" 2) == "$((${first%,*} * 15)),$((${first#*,} * 15))" ]] ||
        fail "saved $(line "$config" 2) for a frame at $first" || return 1
    for round in $(seq 1 10); do
        launch user "$home" "$velmor" || return 1
        corner=$(frame_corner "$window")
        [[ $corner == "$first" ]] || fail "start $round put the frame at $corner, not $first" || return 1
        keys Escape
        wait_end || return 1
    done
    [[ $(line "$config" 2) == "$((${first%,*} * 15)),$((${first#*,} * 15))" ]] ||
        fail "the saved position walked to $(line "$config" 2)"
}

typed_entry_field_marks_and_rounding_come_back() {
    local home config before
    new_home home
    config=$home/.config/velmor/config.ini
    # German marks from the desktop, a kilobyte entry, two decimals, round up.
    launch user "$home" "$velmor" LANG=de_DE.UTF-8 || return 1
    keys k
    type_text "1234,5"
    keys F3 x
    keys alt+F4 # the window manager's close, as the close box
    wait_end || return 1
    [[ $(line "$config" 3) == '","' && $(line "$config" 4) == '"."' ]] ||
        fail "marks saved as $(line "$config" 3) $(line "$config" 4)" || return 1
    [[ $(line "$config" 5) == "0,2" ]] || fail "rounding saved as $(line "$config" 5)" || return 1
    [[ $(line "$config" 6) == '"1234,5",1' ]] || fail "entry saved as $(line "$config" 6)" || return 1
    before=$(cat "$config")

    # Back under an English desktop: the file's marks hold, and Copy gives
    # the restored quantity in the system's notation.
    launch user "$home" "$velmor" || return 1
    keys alt+c
    wait_for 5 sh -c '[ "$(xclip -o -selection clipboard)" = 1234.5 ]' ||
        fail "copied '$(xclip -o -selection clipboard 2>&1)'" || return 1
    keys Escape
    wait_end || return 1
    [[ $(cat "$config") == "$before" ]] || fail "a start and close changed the settings"
}

signals_from_the_desktop_save_the_settings() {
    local home config number=40 signal
    new_home home
    config=$home/.config/velmor/config.ini
    for signal in TERM INT HUP; do
        number=$((number + 1))
        launch user "$home" "$velmor" || return 1
        keys BackSpace
        type_text "$number"
        kill -s "$signal" "$pid"
        wait_end || return 1
        [[ $(line "$config" 6) == "\"$number\",0" ]] ||
            fail "after SIG$signal the entry is $(line "$config" 6)" || return 1
    done
}

the_installed_program_never_writes_beside_itself() {
    local home
    new_home home
    launch user "$home" "$velmor" || return 1
    keys Escape
    wait_end || return 1
    [[ -f $home/.config/velmor/config.ini ]] || fail "no settings in the user's folder" || return 1
    if [[ $(id -u) -eq 0 ]]; then
        # root may write into the bin folder, and still must not.
        new_home home 0:0
        launch root "$home" "$velmor" || return 1
        keys Escape
        wait_end || return 1
        [[ -f $home/.config/velmor/config.ini ]] || fail "no settings in root's folder" || return 1
    fi
    [[ $(ls -A "$prefix/bin") == velmor ]] || fail "the bin folder holds: $(ls -A "$prefix/bin")"
}

portable_copies_fall_back_to_the_users_folder() {
    local home stick
    # A read-only folder (a stick, a shared mount) with a seeding file.
    new_home home
    stick=$scratch/stick
    mkdir -p "$stick"
    cp "$velmor" "$stick/"
    printf 'Velmor (https://velmor.example)\r\n1500,1200\r\n' >"$stick/config.ini"
    chmod 555 "$stick"
    launch user "$home" "$stick/velmor" || return 1
    [[ $(frame_corner "$window") == 100,80 ]] || fail "seeded position not applied" || return 1
    keys Escape
    wait_end || return 1
    [[ $(line "$home/.config/velmor/config.ini" 2) == 1500,1200 ]] ||
        fail "the user's file has $(line "$home/.config/velmor/config.ini" 2)" || return 1
    [[ $(wc -l <"$stick/config.ini") -eq 2 ]] || fail "the read-only copy's file changed" || return 1

    # A writable folder where a directory stands in the file's place.
    new_home home
    stick=$scratch/folder
    mkdir -p "$stick/config.ini"
    cp "$velmor" "$stick/"
    chown -R "$owner" "$stick"
    launch user "$home" "$stick/velmor" || return 1
    keys Escape
    wait_end || return 1
    [[ -d $stick/config.ini && -f $home/.config/velmor/config.ini ]] ||
        fail "the settings did not go to the user's folder"
}

captions_class_and_icon_match_the_launcher() {
    local home class icon size dialog
    new_home home
    launch user "$home" "$velmor" || return 1
    [[ $(xprop -id "$window" _NET_WM_NAME) == '_NET_WM_NAME(UTF8_STRING) = " Velmor v2.01"' ]] ||
        fail "caption $(xprop -id "$window" _NET_WM_NAME)" || return 1
    class=$(xprop -id "$window" WM_CLASS | sed 's/.*= //')
    [[ $class == '"velmor", "velmor"' ]] || fail "WM_CLASS $class" || return 1
    grep -qx "StartupWMClass=velmor" "$prefix/share/applications/org.velmor.Velmor.desktop" ||
        fail "the desktop file does not name the window's class" || return 1
    # Taskbars and window lists take the icon from the window: the sizes
    # drawn for small panels and two larger ones.
    icon=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)')
    for size in 16 24 32 48 64 128; do
        grep -qx "Icon ($size x $size)" <<<"$icon" || fail "no $size pixel window icon" || return 1
    done
    keys alt+o
    wait_for 5 xdotool search --all --onlyvisible --pid "$pid" --name '^ Config$' ||
        fail "no dialog captioned ' Config'" || return 1
    dialog=$(xdotool search --all --onlyvisible --pid "$pid" --name '^ Config$' | head -n 1)
    [[ $(xprop -id "$dialog" _NET_WM_NAME) == '_NET_WM_NAME(UTF8_STRING) = " Config"' ]] ||
        fail "dialog caption $(xprop -id "$dialog" _NET_WM_NAME)" || return 1
    keys Escape
    keys alt+h a
    wait_for 5 xdotool search --all --onlyvisible --pid "$pid" --name '^About Velmor$' ||
        fail "no box captioned 'About Velmor'" || return 1
    keys Escape
    keys Escape
    wait_end
}

space_types_the_french_separator() {
    local home
    new_home home
    launch user "$home" "$velmor" LANG=fr_FR.UTF-8 || return 1
    keys m
    type_text "1 234,5"
    keys alt+c
    wait_for 5 sh -c '[ "$(xclip -o -selection clipboard)" = 1234,5 ]' ||
        fail "copied '$(xclip -o -selection clipboard 2>&1)'" || return 1
    keys Escape
    wait_end || return 1
    [[ $(line "$home/.config/velmor/config.ini" 6) == $'"1\xe2\x80\xaf234,5",2' ]] ||
        fail "entry saved as $(line "$home/.config/velmor/config.ini" 6)"
}

# Screenshots of the main window, the options dialog and the About box with
# the given name suffix and environment.
take_screenshots() {
    local suffix=$1 home dialog
    shift
    new_home home
    launch user "$home" "$velmor" "$@" || return 1
    type_text "1536"
    keys k
    shot "$window" "main$suffix"
    keys alt+o
    wait_for 5 xdotool search --all --onlyvisible --pid "$pid" --name '^ Config$' || return 1
    dialog=$(xdotool search --all --onlyvisible --pid "$pid" --name '^ Config$' | head -n 1)
    shot "$dialog" "options$suffix"
    keys Escape
    keys alt+h a
    wait_for 5 xdotool search --all --onlyvisible --pid "$pid" --name '^About Velmor$' || return 1
    dialog=$(xdotool search --all --onlyvisible --pid "$pid" --name '^About Velmor$' | head -n 1)
    shot "$dialog" "about$suffix"
    keys Escape
    keys Escape
    wait_end
}

# How many pixels two screenshots differ in (a blinking caret is a few).
differing_pixels() {
    compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

a_dark_theme_leaves_velmors_windows_as_they_are() {
    local window_name count
    take_screenshots -light QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita || return 1
    take_screenshots -dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark || return 1
    for window_name in main options about; do
        count=$(differing_pixels "$artifacts/$window_name-light.png" "$artifacts/$window_name-dark.png")
        [[ $count =~ ^[0-9]+$ && $count -lt 60 ]] ||
            fail "$window_name differs in $count pixels between light and dark" || return 1
    done
}

scale_two_draws_everything_twice_as_large() {
    local size
    take_screenshots -scale2 QT_SCALE_FACTOR=2 || return 1
    size=$(identify -format '%w x %h' "$artifacts/main-scale2.png")
    [[ $size == "$(identify -format '%w x %h' "$artifacts/main-light.png" |
        awk '{print $1 * 2 " x " $3 * 2}')" ]] || fail "main window at scale 2 is $size"
}

a_screen_reader_finds_every_field_and_control() {
    local home address bus_pid result
    new_home home
    cp "$(dirname "$0")/screen_reader.py" "$scratch/screen_reader.py"
    chmod 644 "$scratch/screen_reader.py"
    # A session bus of the user's own; Velmor and the reader find the
    # accessibility bus through it.
    read -r address bus_pid < <("${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" \
        XDG_RUNTIME_DIR="$home/runtime" dbus-daemon --session --fork --print-address=1 \
        --print-pid=1 | tr '\n' ' ')
    started+=("$bus_pid")
    launch user "$home" "$velmor" DBUS_SESSION_BUS_ADDRESS="$address" \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 || return 1
    focus
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$display" \
        XDG_RUNTIME_DIR="$home/runtime" DBUS_SESSION_BUS_ADDRESS="$address" \
        /usr/bin/python3 "$scratch/screen_reader.py"
    result=$?
    keys Escape
    wait_end || result=1
    # The accessibility bus goes with the session bus that started it.
    started+=($(pgrep -P "$bus_pid"))
    kill "$bus_pid"
    return "$result"
}

check "ten restarts leave the window where it was put" ten_restarts_leave_the_window_where_it_was_put
check "typed entry, field, marks and rounding come back" typed_entry_field_marks_and_rounding_come_back
check "signals from the desktop save the settings" signals_from_the_desktop_save_the_settings
check "the installed program never writes beside itself" the_installed_program_never_writes_beside_itself
check "portable copies fall back to the user's folder" portable_copies_fall_back_to_the_users_folder
check "captions, class and icon match the launcher" captions_class_and_icon_match_the_launcher
check "space types the French separator" space_types_the_french_separator
check "a dark theme leaves Velmor's windows as they are" a_dark_theme_leaves_velmors_windows_as_they_are
check "scale 2 draws everything twice as large" scale_two_draws_everything_twice_as_large
check "a screen reader finds every field and control" a_screen_reader_finds_every_field_and_control

say "desktop: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
