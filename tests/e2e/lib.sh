# Shared by the end-to-end tests: a temporary folder, an Xvfb display, the
# built program started in a folder of its own (with the cursors in data/) or
# an installed copy where it lies,
# polling helpers, and the Field and the tool column found on the screen.
# Source it after setting program and cursors; call start_program once the
# folder holds what the test needs.
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
  [ -n "$xvfb" ] && ! kill -0 "$xvfb" 2>/dev/null && echo "Xvfb had ended: $(tail -n 5 "$work/xvfb.log")" >&2
  [ -s "$work/app.log" ] && tail -n 30 "$work/app.log" >&2
  import -window root "${TMPDIR:-/tmp}/moxten-e2e-failure.png" 2>/dev/null || true
  exit 1
}

# The view's preferences are a fresh user's: the classic Field.
export XDG_CONFIG_HOME=$work/config

# The program keeps its play list beside itself: give it a folder of its own,
# unless the test runs an installed copy where it lies (installed=yes).
mkdir -p "$work/plays"
if [ "${installed:-}" = yes ]; then
  app_program=$program
else
  mkdir -p "$work/app/data"
  cp "$program" "$work/app/moxten"
  cp "$cursors"/*.cur "$work/app/data/"
  app_program=$work/app/moxten
fi

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

# Xvfb picks a free display itself and writes its number once it takes
# connections. Without -noreset it resets whenever its last client goes (a
# program killed, say) and refuses the next one for that while.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
has_display() { [ -s "$work/display" ]; }
poll 10 has_display || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n 1 "$work/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

start_program() {
  "$app_program" >"$work/app.log" 2>&1 &
  app=$!
  # The splash opens the main window on its second tick.
  window=$(wait_window '^Moxten Open\.\.Untitled$' 20) || fail "no main window"
  find_field
}

# Prints the Field's box (WxH+X+Y) on the screen: the area of its green.
field_box() {
  import -window root "$work/start.png" 2>/dev/null || return 0
  convert "$work/start.png" -fill black +opaque 'rgb(70,155,60)' \
    -fill white -opaque 'rgb(70,155,60)' -format '%@\n' info: 2>/dev/null || true
}
calc() { awk "BEGIN { printf \"%d\", $1 + 0.5 }"; }
# The design heights of the tool column's rows, from the top: Players, motion,
# PlayerN, movements, colorbox, Path, plays, LoadPlay, Quarterback, intended,
# PassingPlay, update, AnimateButton, ResetButton.
row_heights=(33 33 21 21 21 33 21 33 21 21 20 33 33 33)
# The screen y of the top of row N of the tool column.
row_top() {
  local sum=0 i
  for ((i = 0; i < $1; i++)); do sum=$((sum + row_heights[i])); done
  calc "$field_y + $sum + $1 * $gap"
}

# Finds the Field once two looks agree (the window may still be growing to the
# screen), and derives the tool column from the window's scale.
find_field() {
  local box= previous
  for _ in $(seq 40); do
    sleep 0.5
    previous=$box
    box=$(field_box)
    [ -n "$box" ] && [ "$box" = "$previous" ] && break
  done
  read -r field_w field_h field_x field_y < <(echo "$box" | tr 'x+' '  ')
  [ "${field_w:-0}" -gt 300 ] || fail "no Field on the screen"
  unit_x=$(awk "BEGIN { print $field_w / 660 }")
  unit_y=$(awk "BEGIN { print $field_h / 547.2 }")
  column=$(calc "$field_x + $field_w + 10 * $unit_x")
  gap=$(awk "BEGIN { print 10 * $unit_y }")
  motion_top=$(row_top 1)
  player_top=$(row_top 2)
  moves_top=$(row_top 3)
  color_top=$(row_top 4)
  path_top=$(row_top 5)
  plays_top=$(row_top 6)
  load_top=$(row_top 7)
  animate_top=$(row_top 12)
}

# Opens menu $1 of the main window by its access key and takes its item $2.
menu() { xdotool windowfocus "$window"; sleep 0.2; xdotool key "alt+$1"; sleep 0.3; xdotool key "$2"; }
# File > Save through the real file dialog, as PATH (without .ply: the dialog
# adds it); fails with the reason given unless the caption then names the file.
save_as() {
  menu f s
  local dialog
  dialog=$(wait_window '^Save Play\.\.\.\.$' 20) || fail "no save dialog${2:+: $2}"
  # Type only once the dialog has the keyboard, or the keys reach the main window.
  poll 10 has_focus "$dialog" || fail "the save dialog never took the keyboard"
  sleep 0.3
  xdotool key ctrl+a type "$1"
  xdotool key Return
  wait_window "^Moxten Open\.\.$1\.ply\$" 20 >/dev/null ||
    fail "caption not updated; the plays folder holds: $(ls -A "$work/plays")"
}

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
field_click() { click $((field_x + $1)) $((field_y + $2)); }
# Clicks the button or the box whose top is at the height, in the tool column.
button_click() { click $((column + 56)) $(($1 + 16)); }
type_into() { click $((column + 40)) $(($1 + 10)); xdotool key ctrl+a type "$2"; sleep 0.2; }
# The colour of a pixel of the Field, as "#RRGGBB".
field_pixel() { import -window root -crop "1x1+$((field_x + $1))+$((field_y + $2))" -depth 8 txt:- 2>/dev/null | tail -n 1 | awk '{print $3}'; }

