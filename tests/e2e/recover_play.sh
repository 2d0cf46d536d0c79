#!/usr/bin/env bash
# Work survives a kill: five players placed with the real mouse, the program
# killed with SIGKILL once the recovery copy holds the last of them, started again, the
# question answered Yes, the players read from the Field's pixels and from
# the file Save writes.
#   recover_play.sh PATH-OF-moxten DATA-FOLDER-WITH-CURSORS
set -euo pipefail
program=$1
cursors=$2

source "$(dirname "$0")/lib.sh"
start_program

navy='#000080'
circle_at() { [ "$(field_pixel $(($1 + 10)) "$2")" = "$navy" ]; }

click $(calc "$column + 36 + 2 * $unit_x + 18") $((field_y + 18))  # the circle tool
for x in 100 150 200 250 300; do field_click "$x" 100; done
for x in 115 165 215 265 315; do circle_at "$x" 115 || fail "no player placed at ($x, 115)"; done

has_copy() { compgen -G "$work/app/data/recovery-*.mxr" >/dev/null; }
# Wait for the copy that holds the last player, not merely for the first copy.
holds_last_player() {
  local copy
  for copy in "$work"/app/data/recovery-*.mxr; do
    [ -f "$copy" ] && grep -aqF 'coord,315,115' "$copy" && return 0
  done
  return 1
}
poll 4 holds_last_player || fail "no recovery copy with the last player 4 seconds after the last change"
kill -KILL "$app"
wait "$app" 2>/dev/null || true
app=

start_program
question=$(wait_window '^Moxten$' 20) || fail "no recovery question after the kill"
poll 10 has_focus "$question" || fail "the question never took the keyboard"
sleep 0.3
xdotool key Return  # Yes, the default
poll 10 find_window '^Moxten Open\.\.Untitled$' >/dev/null || fail "no main window after the question"
sleep 0.5
for x in 115 165 215 265 315; do circle_at "$x" 115 || fail "player at ($x, 115) not recovered"; done

save_as "$work/plays/recovered" "the recovered play is not unsaved"
expected=5
# Read back as Open reads a play, each player's path starts where he stands.
for x in 115 165 215 265 315; do
  expected+=$(printf '\r\nplayer,%d, 1 \r\ncoord,%d,115\r\n0,%d,115, 0 \r\nEND' $(((x - 65) / 50)) "$x" "$x")
done
[ "$(od -An -c "$work/plays/recovered.ply")" = "$(printf '%s\r\n' "$expected" | od -An -c)" ] ||
  fail "recovered play differs: $(cat -A "$work/plays/recovered.ply")"
has_copy && fail "the recovery copy stayed after Save"

menu f q
poll 20 has_ended || fail "the program did not end"
app=
has_copy && fail "a recovery copy stayed after a clean exit"
echo "1 passed, 0 failed"
