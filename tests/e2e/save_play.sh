#!/usr/bin/env bash
# Drives the built program in a real X window as a user does, with xdotool:
# places two players with the mouse, gives one a path, saves through the file
# dialog into a temporary folder, checks the bytes of the play file and of the
# play-list line, and quits.
#   save_play.sh PATH-OF-moxten DATA-FOLDER-WITH-CURSORS
set -euo pipefail
program=$1
cursors=$2

source "$(dirname "$0")/lib.sh"
start_program

# An offence player and a defence player, each placed 15 pixels right of and below the pointer.
obox_x=$(calc "$column + 36 + 2 * $unit_x + 18")
click "$obox_x" $((field_y + 18))
field_click 100 200
click $((column + 18)) $((field_y + 18))
field_click 300 150

# A red path of two moves for player 1.
button_click "$motion_top"
type_into "$player_top" 1
type_into "$moves_top" 2
type_into "$color_top" vbRed
button_click "$path_top"
field_click 215 115
field_click 315 115

# Save through the file dialog; it adds the extension.
save_as "$work/plays/route"

expected=$(printf '2\r\nplayer,1, 1 \r\ncoord,115,215\r\n0,115,215, 255 \r\n1,215,115, 255 \r\n2,315,115, 255 \r\nEND\r\nplayer,2, 3 \r\ncoord,315,165\r\nEND\r\n' | od -An -c)
actual=$(od -An -c "$work/plays/route.ply")
[ "$actual" = "$expected" ] || fail "play file differs: $(cat -A "$work/plays/route.ply")"
expected_list=$(printf 'route.ply,%s\r\n' "$work/plays/route.ply" | od -An -c)
[ "$(od -An -c "$work/app/data/plays.ini")" = "$expected_list" ] || fail "play list differs: $(cat -A "$work/app/data/plays.ini")"

# Nothing unsaved: Quit ends the program without a question.
menu f q
poll 20 has_ended || fail "the program did not end"
wait "$app" || fail "the program ended with an error: $(cat "$work/app.log")"
app=
echo "1 passed, 0 failed"
