#!/usr/bin/env bash
# The desktop suite (docs/desktop-suite.md): what only a real X server, a
# window manager, the accessibility bus and the installed tree show. Usage:
# desktop_suite.sh BUILD_FOLDER. It runs the installed build on an Xvfb display
# of its own under openbox as an ordinary user, with real X key events, and
# leaves the windows' screenshots in BUILD/artifacts/desktop.
set -uo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
artifacts=$build/artifacts/desktop
rm -rf "$artifacts"
mkdir -p "$artifacts"
scratch=$(mktemp -d /tmp/velmor-desktop-XXXXXX)
chmod 755 "$scratch"
prefix=$scratch/prefix
velmor=$prefix/bin/velmor
passed=0 failed=0 started=()

# Stops every process the suite started, by its PID.
stop_all() {
    local pid
    kill "${started[@]}" 2>/dev/null
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$scratch"
}
trap stop_all EXIT

fail() { printf '    FAIL: %s\n' "$*" && return 1; }

# Runs COMMAND... every 50 ms until it succeeds, for up to SECONDS.
poll() {
    local tries=$(($1 * 20))
    shift
    until "$@" >/dev/null 2>&1; do
        ((--tries > 0)) || return 1
        sleep 0.05
    done
}

# Xvfb on the first display from :91 whose lock is its own: a display that
# another suite takes at the same moment stays the other's. -noreset: an X
# server resets when its last client leaves, and refuses clients meanwhile;
# xdpyinfo's probe would leave openbox to meet that reset on a loaded machine.
owns_display() { [[ $(tr -d ' ' <"/tmp/.X$1-lock") == "$2" ]]; }
settled() { owns_display "$1" "$2" || ! kill -0 "$2"; }
display=
for number in $(seq 91 199); do
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp -noreset >>"$scratch/xvfb.log" 2>&1 &
    started+=($!)
    if poll 10 settled "$number" $! && owns_display "$number" $! && poll 10 xdpyinfo -display ":$number"; then
        display=:$number
        break
    fi
done
[[ -n $display ]] || { echo "Xvfb found no free display"; exit 1; }
export DISPLAY=$display
openbox >"$scratch/openbox.log" 2>&1 &
started+=($!)
# A loaded machine (the suite runs beside other tests) can take a while.
poll 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { echo "openbox did not start:"; cat "$scratch/openbox.log"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }

# The ordinary user: root hands the program to nobody, anyone else runs it
# as themselves.
as_user=() owner=$(id -u):$(id -g)
((EUID == 0)) && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --) owner=65534:65534

# Makes a fresh home owned by OWNER (the ordinary user's by default) and
# names it in `home`.
new_home() {
    home=$(mktemp -d "$scratch/home-XXXXXX")
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    chown -R "${1:-$owner}" "$home"
}

# Sets `run` to the command that runs COMMAND... as the ordinary user (or as
# root after `root`) in a clean environment with `home`, the display and the
# VAR=VALUE words before COMMAND.
as() {
    run=("${as_user[@]}")
    [[ $1 == root ]] && { run=(); shift; }
    run+=(env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$home/runtime"
        LANG=C.UTF-8 "$@")
}

# Starts the installed Velmor (as `as` takes its words); sets `pid`.
start_velmor() {
    as "$@" "$velmor"
    "${run[@]}" >>"$scratch/velmor.log" 2>&1 &
    pid=$!
    started+=("$pid")
}
# Starts Velmor as start_velmor does; sets `window` once the window manager
# has framed its main window.
launch() {
    start_velmor "$@"
    find_window '^ Velmor v' || fail "no main window appeared" || return 1
    window=$found
    poll 5 sh -c "xprop -id $window _NET_FRAME_EXTENTS | grep -q =" ||
        fail "the window manager did not frame the main window"
}

# Waits for a visible window of `pid` whose caption matches PATTERN; names
# it in `found`.
find_window() {
    poll 10 xdotool search --all --onlyvisible --pid "$pid" --name "$1" || return 1
    found=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" | head -n 1)
}

# Waits for Velmor to end by itself and well; kills it after 10 s.
gone() { ! kill -0 "$pid" 2>/dev/null; }
wait_end() {
    poll 10 gone || { kill -KILL "$pid"; wait "$pid" 2>/dev/null; fail "Velmor did not end"; return 1; }
    wait "$pid" 2>/dev/null || fail "Velmor ended with status $?"
}

# Real key events to the main window, activated first.
activate() { timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1; }
keys() { activate; xdotool key --delay 30 "$@"; }
type_text() { activate; xdotool type --delay 30 "$1"; }

# The outer frame's top-left corner of the main window in pixels: "X,Y".
frame_corner() {
    local x y left top
    eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}')"
    read -r left _ top _ < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)),$((y - top))"
}
moved_from() { [[ $(frame_corner) != "$1" ]]; }

line() { sed -n "$2p" "$1" | tr -d '\r'; }
# Whether the entry line of the settings Velmor saved in `home` is EXPECTED.
saved_entry() {
    local got
    got=$(line "$home/.config/velmor/config.ini" 6)
    [[ $got == "$1" ]] || fail "saved the entry line $got, not $1"
}

# Runs the check named CHECK, counting it.
check() {
    echo "== ${1//_/ }"
    if "$1"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

# Velmor saves its frame's corner as the window manager placed it; a frame
# counted twice or not at all would move the window at every start. Each run
# types an entry and ends another way the desktop ends programs: the window
# manager's close, then SIGTERM (logout), SIGINT and SIGHUP.
the_window_stays_put_and_every_ending_saves() {
    local config corner first saved start=0 ending
    new_home
    config=$home/.config/velmor/config.ini
    for ending in alt+F4 TERM INT HUP; do
        start=$((start + 1))
        launch || return 1
        corner=$(frame_corner)
        if ((start == 1)); then
            xdotool windowmove --sync "$window" 237 141
            poll 5 moved_from "$corner" || fail "the window manager did not move the window" || return 1
            first=$(frame_corner) && saved=$((${first%,*} * 15)),$((${first#*,} * 15))
        elif [[ $corner != "$first" ]]; then
            fail "start $start put the frame at $corner, not $first" || return 1
        fi
        keys BackSpace
        type_text "$start"
        if [[ $ending == alt+F4 ]]; then keys alt+F4; else kill -s "$ending" "$pid"; fi
        wait_end || return 1
        [[ $(line "$config" 2) == "$saved" && $(line "$config" 6) == "\"$start\",0" ]] || fail "ended by" \
            "$ending, Velmor saved $(line "$config" 2) and $(line "$config" 6), not $saved and \"$start\",0" ||
            return 1
    done
}

# The frame as the window manager draws it, in pixels: "LEFT TOP RIGHT BOTTOM"
# (right and bottom exclusive), and the window's state.
frame_box() {
    local x y width height left right top bottom
    eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)) $((y - top)) $((x + width + right)) $((y + height + bottom))"
}
on_screen() {
    local box
    read -r -a box < <(frame_box)
    ((box[0] >= 0 && box[1] >= 0 && box[2] <= 1280 && box[3] <= 800))
}

# A settings file saved with a monitor since unplugged puts the window far
# beyond the screen: it comes back whole, frame and all, at the screen's edge.
a_window_saved_off_screen_comes_back_whole() {
    new_home
    mkdir -p "$home/.config/velmor"
    printf 'Velmor\r\n60000,60000\r\n' >"$home/.config/velmor/config.ini"
    chown -R "$owner" "$home/.config"
    local box
    launch || return 1
    poll 5 on_screen || fail "the frame is at $(frame_box), off the 1280 x 800 screen" || return 1
    read -r -a box < <(frame_box)
    ((box[2] == 1280 && box[3] == 800)) || fail "the frame is at ${box[*]}, not at the corner" || return 1
    keys Escape
    wait_end
}

# The window has one size: the window manager offers no maximize, and a
# maximize or full screen request (as a panel or a key binding sends; openbox
# offers full screen to every window) leaves the window as it was, running.
# A move after the requests shows that the window manager has dealt with them.
as_it_was() { [[ $(xprop -id "$window" _NET_WM_STATE) != *@(MAXIMIZED|FULLSCREEN)* ]]; }
the_window_cannot_be_maximized() {
    local actions size state
    new_home
    launch || return 1
    actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_MOVE* ]] || fail "no allowed actions read: $actions" || return 1
    [[ $actions != *MAXIMIZE* ]] || fail "offered: $actions" || return 1
    size=$(xwininfo -id "$window" | grep -E 'Width|Height' | xargs)
    wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
    wmctrl -i -r "$window" -b add,fullscreen
    xdotool windowmove --sync "$window" 40 50
    poll 5 as_it_was || fail "the window is now $(xprop -id "$window" _NET_WM_STATE)" || return 1
    [[ $(xwininfo -id "$window" | grep -E 'Width|Height' | xargs) == "$size" ]] ||
        fail "the window's size changed from $size" || return 1
    keys BackSpace
    type_text 7
    keys Escape
    wait_end || return 1
    saved_entry '"7",0'
}

# Alt pressed and let go alone (an Alt+Tab given up) leaves the keys with
# the entry box: a menu bar that took them would swallow, unseen, what is
# typed next. In the options dialog a letter held with Alt types no mark:
# with "other" picked, Alt+A and Enter leave the box empty and OK refused,
# and Esc keeps the period.
keys_held_with_alt_type_nothing() {
    local main
    new_home
    launch || return 1
    keys BackSpace Alt_L
    type_text 8
    keys alt+o
    find_window '^ Config$' || fail "no options dialog" || return 1
    main=$window window=$found
    keys End alt+a Return Escape
    window=$main
    keys Escape
    wait_end || return 1
    saved_entry '"8",0' || return 1
    [[ $(line "$home/.config/velmor/config.ini" 3) == '"."' ]] ||
        fail "saved the decimal mark $(line "$home/.config/velmor/config.ini" 3)"
}

# On Wayland, Qt's own title bar offers maximize to every window, and the
# compositor insists on the size it configures. A weston nested in the
# suite's display shows the title bars; each window's maximize button is
# found in a screenshot (title_bar.py) and clicked: the window comes back as
# it was, and what was typed is saved at the end.
wayland_bars() {
    import -window "$window" -depth 8 "ppm:$scratch/wayland.ppm" &&
        python3 "$here/title_bar.py" "$scratch/wayland.ppm"
}
# Waits for a title bar other than KNOWN (if given); names it in `bar`.
new_bar() {
    local tries=100 bars
    while ((tries-- > 0)); do
        bars=$(wayland_bars)
        bar=$(grep -vxF -e "${1:-none}" <<<"$bars" | head -n 1)
        [[ -n $bar ]] && return 0
        sleep 0.1
    done
    return 1
}
# Clicks the maximize button of the window whose title bar is `bar` ("LEFT
# TOP RIGHT"), which must then stand where and as it was, with Velmor running.
maximize_in_weston() {
    local left top right bars
    read -r left top right <<<"$bar"
    # Weston follows the pointer once it enters weston's window.
    xdotool mousemove 1279 799 sleep 0.2 mousemove --window "$window" $((right - 100)) $((top + 15)) \
        sleep 0.2 mousemove --window "$window" $((right - 40)) $((top + 15)) sleep 0.2 click 1
    sleep 2
    import -window "$window" "$artifacts/wayland-$1.png"
    kill -0 "$pid" 2>/dev/null || fail "$1: Velmor ended: $(tail -n 2 "$scratch/velmor.log")" || return 1
    # The bars are read whole first: a grep that stops at its match would
    # leave title_bar.py writing into a closed pipe.
    bars=$(wayland_bars)
    grep -qxF "$bar" <<<"$bars" || fail "$1: the title bar $bar is now $(xargs <<<"$bars")"
}
# Weston leaves no window active when a dialog closes: a click on the
# title of the window whose bar is BAR activates it again.
click_title() {
    local left top
    read -r left top _ <<<"$1"
    xdotool mousemove --window "$window" $((left + 60)) $((top + 15)) sleep 0.2 click 1
}
a_maximize_on_wayland_leaves_the_window_as_it_was() {
    local bar main weston
    new_home
    as weston --backend=x11-backend.so --width=800 --height=600 --socket=velmor-wayland --idle-time=0
    "${run[@]}" >"$scratch/weston.log" 2>&1 &
    weston=$!
    started+=("$weston")
    poll 10 test -S "$home/runtime/velmor-wayland" || fail "weston did not start: $(cat "$scratch/weston.log")" ||
        return 1
    poll 10 xdotool search --onlyvisible --class '^Weston Compositor$' || fail "no weston window" || return 1
    window=$(xdotool search --onlyvisible --class '^Weston Compositor$' | head -n 1)
    start_velmor QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=velmor-wayland
    new_bar || fail "no title bar in weston" || return 1
    main=$bar
    type_text 99
    maximize_in_weston main || return 1
    keys alt+o
    new_bar "$main" || fail "no options dialog" || return 1
    maximize_in_weston options || return 1
    keys Escape
    click_title "$main"
    keys alt+h
    sleep 0.5 # the menu, a Wayland popup, takes its keys once shown
    keys a
    new_bar "$main" || fail "no About box" || return 1
    maximize_in_weston about || return 1
    keys Escape
    click_title "$main"
    keys Escape
    wait_end || return 1
    kill "$weston"
    saved_entry '"99",0'
}

# Starts Velmor with VAR=VALUE..., types 1536 kB, and opens the main window,
# the options dialog and the About box in turn; each is saved as
# ARTIFACTS/NAME-SUFFIX.png and handed to ON_WINDOW NAME WINDOW.
visit_windows() {
    local suffix=$1 on_window=$2
    shift 2
    new_home
    launch "$@" || return 1
    type_text 1536
    keys k
    seen main "$window" || return 1
    keys alt+o
    find_window '^ Config$' || fail "no options dialog" || return 1
    seen options "$found" || return 1
    keys Escape
    keys alt+h a
    find_window '^About Velmor$' || fail "no About box" || return 1
    seen about "$found" || return 1
    keys Escape
    keys Escape
    wait_end
}
# visit_windows' own step: NAME WINDOW is on the screen.
seen() { import -window "$2" "$artifacts/$1-$suffix.png" && "$on_window" "$1" "$2"; }

# What the window manager and the taskbar read: each caption, the class the
# desktop file's StartupWMClass names, and the icon at the sizes panels ask.
caption_class_and_icon() {
    local -A captions=([main]=' Velmor v2.01' [options]=' Config' [about]='About Velmor')
    local got class size
    got=$(xprop -id "$2" _NET_WM_NAME)
    [[ $got == "_NET_WM_NAME(UTF8_STRING) = \"${captions[$1]}\"" ]] || fail "$1: $got" || return 1
    [[ $1 == main ]] || return 0
    class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.velmor.Velmor.desktop")
    got=$(xprop -id "$2" WM_CLASS)
    [[ -n $class && $got == "WM_CLASS(STRING) = \"$class\", \"$class\"" ]] ||
        fail "$got, the desktop file says StartupWMClass=$class" || return 1
    got=$(xprop -id "$2" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)')
    for size in 16 24 32 48 64 128; do
        grep -qx "Icon ($size x $size)" <<<"$got" || fail "no $size pixel window icon" || return 1
    done
}
captions_class_and_icon_match_the_launcher() {
    visit_windows light caption_class_and_icon QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita
}

# Under a dark GTK theme every window is the same pixels as the light
# screenshots the check above took, a blinking caret (a few pixels) aside.
a_dark_theme_leaves_the_windows_as_they_are() {
    local name count
    visit_windows dark true QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark || return 1
    for name in main options about; do
        count=$(compare -metric AE -fuzz 2% "$artifacts/$name-light.png" "$artifacts/$name-dark.png" null: 2>&1)
        [[ $count =~ ^[0-9]+$ && $count -lt 60 ]] || fail "$name, light against dark: $count" || return 1
    done
}

# Under fr_FR the space bar, a real key event, types the narrow no-break
# space that French groups thousands with, and Copy hands other programs
# the plain number with the French decimal comma.
french_marks_are_typed_and_copied() {
    local copied
    new_home
    launch LANG=fr_FR.UTF-8 || return 1
    keys m
    type_text "1 234,5"
    keys alt+c
    copied=$(timeout 5 xclip -o -selection clipboard)
    [[ $copied == "1234,5" ]] || fail "copied \"$copied\", not \"1234,5\"" || return 1
    keys Escape
    wait_end || return 1
    saved_entry $'"1\xe2\x80\xaf234,5",2'
}

# screen_reader.py reads Velmor over AT-SPI, on a session bus of the user's
# own through which both find the accessibility bus.
a_screen_reader_reads_the_windows_over_at_spi() {
    local address bus_pid result
    new_home
    install -m 644 "$here/screen_reader.py" "$scratch/"
    as dbus-daemon --session --fork --print-address=1 --print-pid=1
    read -r address bus_pid < <("${run[@]}" | xargs)
    started+=("$bus_pid")
    launch DBUS_SESSION_BUS_ADDRESS="$address" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 || return 1
    activate # the reader's keys go to the active window
    as DBUS_SESSION_BUS_ADDRESS="$address" /usr/bin/python3 "$scratch/screen_reader.py"
    "${run[@]}"
    result=$?
    keys Escape
    wait_end || result=1
    # The accessibility bus's launcher is the session bus's child.
    mapfile -t -O "${#started[@]}" started < <(pgrep -P "$bus_pid")
    return "$result"
}

# One Velmor per session: on the user's session bus a second start brings
# the running window forward, restored from the taskbar and active, and
# ends by itself; without a session bus every start runs, as before.
one_velmor_per_session() {
    local address bus_pid first first_window result=0
    new_home
    as dbus-daemon --session --fork --print-address=1 --print-pid=1
    read -r address bus_pid < <("${run[@]}" | xargs)
    started+=("$bus_pid")
    launch DBUS_SESSION_BUS_ADDRESS="$address" || return 1
    first=$pid first_window=$window
    xdotool windowminimize --sync "$window"
    start_velmor DBUS_SESSION_BUS_ADDRESS="$address"
    wait_end || result=1
    poll 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $first_window ]" ||
        fail "the running window is not the active one: $(xdotool getactivewindow)" || result=1
    ! xprop -id "$first_window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN ||
        fail "the running window stayed minimized" || result=1
    pid=$first window=$first_window
    keys Escape
    wait_end || result=1

    launch || return 1
    first=$pid first_window=$window
    launch || result=1
    kill -0 "$first" 2>/dev/null || fail "without a session bus the first Velmor ended" || result=1
    keys Escape
    wait_end || result=1
    pid=$first window=$first_window
    keys Escape
    wait_end || result=1
    return "$result"
}

# A full disk, here a file-size limit, fails the save at a logout: Velmor
# still ends well, killed by no signal, and leaves no half-written file.
a_full_disk_fails_the_save_cleanly() {
    new_home
    launch prlimit --fsize=10 || return 1
    type_text 5
    kill -TERM "$pid"
    wait_end || return 1
    [[ -z $(find "$home/.config" -type f 2>/dev/null) ]] || fail "left: $(find "$home/.config" -type f)"
}

# After every run above, the installed program has kept the settings in
# ~/.config/velmor, where the first check reads them; root's go there too,
# though root could write into the bin folder.
the_installed_program_never_writes_beside_itself() {
    if ((EUID == 0)); then
        new_home 0:0
        launch root || return 1
        keys Escape
        wait_end || return 1
        [[ -f $home/.config/velmor/config.ini ]] || fail "no settings in root's ~/.config/velmor" || return 1
    fi
    [[ $(ls -A "$prefix/bin") == velmor ]] || fail "the bin folder holds: $(ls -A "$prefix/bin" | tr '\n' ' ')"
}

for name in the_window_stays_put_and_every_ending_saves a_window_saved_off_screen_comes_back_whole \
    the_window_cannot_be_maximized keys_held_with_alt_type_nothing \
    a_maximize_on_wayland_leaves_the_window_as_it_was \
    captions_class_and_icon_match_the_launcher \
    a_dark_theme_leaves_the_windows_as_they_are french_marks_are_typed_and_copied \
    a_screen_reader_reads_the_windows_over_at_spi one_velmor_per_session \
    a_full_disk_fails_the_save_cleanly the_installed_program_never_writes_beside_itself; do
    check "$name"
done

echo "desktop: $passed passed, $failed failed"
((failed == 0))
