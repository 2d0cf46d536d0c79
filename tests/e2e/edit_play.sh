#!/usr/bin/env bash
# Editing with the real mouse and keyboard: three players placed with the
# circle tool, the middle one dragged with the select tool (Esc), the drag
# undone with Ctrl+Z and redone with Ctrl+Y, the Field's pixels read at each
# step. With SHOTS=folder the screenshots are kept there.
#   edit_play.sh PATH-OF-moxten DATA-FOLDER-WITH-CURSORS
set -euo pipefail
program=$1
cursors=$2

source "$(dirname "$0")/lib.sh"
start_program

shot() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/$1.png" 2>/dev/null || true; }
navy='#000080'
# The right-hand edge of a circle centred at (x, y) of the Field is navy.
circle_at() { [ "$(field_pixel $(($1 + 10)) "$2")" = "$navy" ]; }
# The middle player stands at ($1, $2) and no longer at ($4, $5), once the
# Field shows it (a loaded machine may take a while to repaint).
middle_moved() { circle_at "$1" "$2" && ! circle_at "$4" "$5"; }
expect_middle_at() {
  poll 5 middle_moved "$1" "$2" "$3" "$4" "$5" && return 0
  circle_at "$1" "$2" || fail "$3: no player at ($1, $2)"
  fail "$3: a player left at ($4, $5)"
}

click $(calc "$column + 36 + 2 * $unit_x + 18") $((field_y + 18))  # the circle tool
for x in 100 200 300; do field_click "$x" 100; done
expect_middle_at 215 115 "placed" 255 145
shot placed

xdotool key Escape
sleep 0.3
xdotool mousemove $((field_x + 215)) $((field_y + 115)) mousedown 1
sleep 0.2
for step in 1 2 3 4; do
  xdotool mousemove $((field_x + 215 + step * 10)) $((field_y + 115 + step * 15 / 2))
  sleep 0.1
done
xdotool mouseup 1
sleep 0.5
expect_middle_at 255 145 "dragged" 215 115
circle_at 315 115 || fail "dragged: the third player moved"
shot dragged

xdotool key ctrl+z
sleep 0.5
expect_middle_at 215 115 "undone" 255 145
shot undone
xdotool key ctrl+y
sleep 0.5
expect_middle_at 255 145 "redone" 215 115
shot redone
echo "edit_play: placed, dragged, undone and redone as the pixels show"
echo "1 passed, 0 failed"
