#!/usr/bin/env bash
# Drives the built program in a real X window as a user does, with xdotool:
# places two players with the mouse, gives one a path, saves through the file
# dialog into a temporary folder, checks the bytes of the play file and of the
# play-list line, and quits.
#   save_play.sh PATH-OF-moxten DATA-FOLDER-WITH-CURSORS
set -euo pipefail
program=$1
cursors=$2

work=$(mktemp -d)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/app.log" ] && tail -n 30 "$work/app.log" >&2
  import -window root "${TMPDIR:-/tmp}/moxten-e2e-failure.png" 2>/dev/null || true
  exit 1
}

# The program keeps its play list beside itself: give it a folder of its own.
mkdir -p "$work/app/data" "$work/plays"
cp "$program" "$work/app/moxten"
cp "$cursors"/*.cur "$work/app/data/"

# Runs the command every tenth of a second until it succeeds, for up to SECONDS.
poll() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}
# Prints the id of a visible window whose caption matches the pattern. xdotool
# dies with BadWindow when a window it is looking at goes away under it (a
# dialog closing), so every look is a fresh search.
find_window() {
  local found
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
  [ -n "$found" ] && echo "$found"
}
wait_window() { poll "$2" find_window "$1"; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
has_ended() { ! kill -0 "$app" 2>/dev/null; }

# Xvfb picks a free display itself and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
has_display() { [ -s "$work/display" ]; }
poll 10 has_display || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n 1 "$work/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$work/app/moxten" >"$work/app.log" 2>&1 &
app=$!
# The splash opens the main window on its second tick.
window=$(wait_window '^Moxten Open\.\.Untitled$' 20) || fail "no main window"

# Find the Field by its green, once two looks agree (the window may still be
# growing to the screen), and derive the tool column from the window's scale.
field_box() {
  import -window root "$work/start.png" 2>/dev/null || return 0
  convert "$work/start.png" -fill black +opaque 'rgb(70,155,60)' \
    -fill white -opaque 'rgb(70,155,60)' -format '%@\n' info: 2>/dev/null || true
}
box=
for _ in $(seq 40); do
  sleep 0.5
  previous=$box
  box=$(field_box)
  [ -n "$box" ] && [ "$box" = "$previous" ] && break
done
read -r field_w field_h field_x field_y < <(echo "$box" | tr 'x+' '  ')
[ "${field_w:-0}" -gt 300 ] || fail "no Field on the screen"
calc() { awk "BEGIN { printf \"%d\", $1 + 0.5 }"; }
unit_x=$(awk "BEGIN { print $field_w / 660 }")
unit_y=$(awk "BEGIN { print $field_h / 547.2 }")
column=$(calc "$field_x + $field_w + 10 * $unit_x")
row() { calc "$field_y + $1"; }  # a height below the Field's top, in pixels
gap=$(awk "BEGIN { print 10 * $unit_y }")
motion_top=$(row "33 + $gap")
player_top=$(row "33 + $gap + 33 + $gap")
moves_top=$(row "33 + $gap + 33 + 2 * $gap + 21")
color_top=$(row "33 + $gap + 33 + 3 * $gap + 42")
path_top=$(row "33 + $gap + 33 + 4 * $gap + 63")

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
field_click() { click $((field_x + $1)) $((field_y + $2)); }
type_into() { click $((column + 40)) $(($1 + 10)); xdotool key ctrl+a type "$2"; sleep 0.2; }

# An offence player and a defence player, each placed 15 pixels right of and below the pointer.
obox_x=$(calc "$column + 36 + 2 * $unit_x + 18")
click "$obox_x" $((field_y + 18))
field_click 100 200
click $((column + 18)) $((field_y + 18))
field_click 300 150

# A red path of two moves for player 1.
click $((column + 56)) $((motion_top + 16))
type_into "$player_top" 1
type_into "$moves_top" 2
type_into "$color_top" vbRed
click $((column + 56)) $((path_top + 16))
field_click 215 115
field_click 315 115

# Save through the file dialog; it adds the extension.
menu() { xdotool windowfocus "$window"; sleep 0.2; xdotool key alt+f; sleep 0.3; xdotool key "$1"; }
menu s
dialog=$(wait_window '^Save Play\.\.\.\.$' 20) || fail "no save dialog"
# Type only once the dialog has the keyboard, or the keys reach the main window.
poll 10 has_focus "$dialog" || fail "the save dialog never took the keyboard"
sleep 0.3
xdotool key ctrl+a type "$work/plays/route"
xdotool key Return
wait_window "^Moxten Open\.\.$work/plays/route\.ply\$" 20 >/dev/null ||
  fail "caption not updated; the plays folder holds: $(ls -A "$work/plays")"

expected=$(printf '2\r\nplayer,1, 1 \r\ncoord,115,215\r\n0,115,215, 255 \r\n1,215,115, 255 \r\n2,315,115, 255 \r\nEND\r\nplayer,2, 3 \r\ncoord,315,165\r\nEND\r\n' | od -An -c)
actual=$(od -An -c "$work/plays/route.ply")
[ "$actual" = "$expected" ] || fail "play file differs: $(cat -A "$work/plays/route.ply")"
expected_list=$(printf 'route.ply,%s\r\n' "$work/plays/route.ply" | od -An -c)
[ "$(od -An -c "$work/app/data/plays.ini")" = "$expected_list" ] || fail "play list differs: $(cat -A "$work/app/data/plays.ini")"

# Nothing unsaved: Quit ends the program without a question.
menu q
poll 20 has_ended || fail "the program did not end"
wait "$app" || fail "the program ended with an error: $(cat "$work/app.log")"
app=
echo "1 passed, 0 failed"
