#!/usr/bin/env bash
# Input given while an animation runs is handled as soon as the run ends, not
# at the next mouse move: with the defence tool chosen, a press on the Field
# during a run at 50 ms a frame (4 s) places its cross right after the run,
# with the mouse left alone.
#   input_during_run.sh PATH-OF-moxten DATA-FOLDER-WITH-CURSORS
set -euo pipefail
program=$1
cursors=$2

source "$(dirname "$0")/lib.sh"
printf '1\r\nplayer,1, 3 \r\ncoord,100,100\r\n0,100,100, 255 \r\n1,300,100, 255 \r\n2,300,300, 255 \r\n3,100,300, 255 \r\nEND\r\n' \
  >"$work/plays/run.ply"
printf 'run.ply,%s\r\n' "$work/plays/run.ply" >"$work/app/data/plays.ini"
printf 'speed, 50\r\nline, Color\r\noffence, Color\r\ndeffence, Color\r\nsync, 0 \r\n' >"$work/app/data/config.ini"
start_program

type_into "$plays_top" run.ply
button_click "$load_top"
wait_window "^Moxten Open\.\.$work/plays/run\.ply\$" 10 >/dev/null || fail "the play was not loaded"
click $((column + 18)) $((field_y + 18))  # the defence tool

navy='#000080'
has_cross() { [ "$(field_pixel 423 423)" = "$navy" ]; }  # on a stroke, clear of the number
has_cross && fail "a cross before the press"
button_click "$animate_top"
started=$(date +%s%N)
sleep 0.5
xdotool mousemove $((field_x + 400)) $((field_y + 400)) click 1
poll 12 has_cross || fail "the press given during the run was not handled after it"
seconds=$(awk "BEGIN { printf \"%.1f\", ($(date +%s%N) - $started) / 1e9 }")
# The run takes 80 frames of 50 ms: the cross appears once it is over.
awk "BEGIN { exit !($seconds >= 3.5 && $seconds <= 7) }" ||
  fail "the cross appeared $seconds s after the run started"
echo "input_during_run: the cross appeared $seconds s after the run started"
echo "1 passed, 0 failed"
