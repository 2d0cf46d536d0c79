#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack, unpacked with
# dpkg-deb -x, started under Xvfb with a HOME of its own. A play saved through
# the file dialog and the settings applied land in the user's data folder;
# nothing is written under the unpacked prefix; a video is made with the
# package's own writer module.
#   installed_copy.sh BUILD-FOLDER
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

package_dir=$(mktemp -d)
trap 'rm -rf "$package_dir"' EXIT
(cd "$build" && cpack -G DEB -B "$package_dir" >"$package_dir/cpack.log" 2>&1) ||
  { cat "$package_dir/cpack.log"; echo "FAIL: the package could not be built"; exit 1; }
deb=$(ls "$package_dir"/moxten_*.deb)
root=$package_dir/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/moxten usr/share/applications/org.moxten.Moxten.desktop \
            usr/share/metainfo/org.moxten.Moxten.metainfo.xml usr/share/moxten/x.cur \
            usr/share/icons/hicolor/scalable/apps/org.moxten.Moxten.svg \
            usr/share/icons/hicolor/256x256/apps/org.moxten.Moxten.png; do
  [ -e "$root/$file" ] || { echo "FAIL: the package lacks $file"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "FAIL: no computed dependencies"; exit 1; }
[ "$(env -u DISPLAY "$root/usr/bin/moxten" --version)" = "Moxten 1.0.0" ] || { echo "FAIL: --version"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libavcodec || { echo "FAIL: the video module's libraries are not depended on"; exit 1; }
# The video's writer is a module of its own, loaded from the package's library folder.
env -u DISPLAY "$root/usr/bin/moxten" --export-video "$package_dir/play.mp4" "$source_dir/docs/spread-z-post.ply" ||
  { echo "FAIL: the installed copy made no video"; exit 1; }
[ "$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$package_dir/play.mp4")" = h264 ] ||
  { echo "FAIL: the installed copy's video is no H.264"; exit 1; }

program=$root/usr/bin/moxten
installed=yes
source "$source_dir/tests/e2e/lib.sh"
trap 'cleanup; rm -rf "$package_dir"' EXIT
export HOME=$work/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
touch "$work/started"
start_program

click $(calc "$column + 36 + 2 * $unit_x + 18") $((field_y + 18))  # the circle tool
field_click 100 200
save_as "$work/plays/route"

menu c p
settings=$(wait_window '^Customize Settings\.\.$' 20) || fail "no settings dialog"
poll 10 has_focus "$settings" || fail "the settings dialog never took the keyboard"
xdotool key alt+a
user=$HOME/.local/share/Moxten
poll 10 test -s "$user/config.ini" || fail "no settings in $user: $(ls -AR "$HOME")"
[ "$(cat "$user/plays.ini")" = "$(printf 'route.ply,%s\r' "$work/plays/route.ply")" ] ||
  fail "the play list in $user differs: $(cat -A "$user/plays.ini")"
written=$(find "$root" -newer "$work/started")
[ -z "$written" ] || fail "written under the unpacked prefix: $written"
echo "installed_copy: the play list and the settings are in $user, nothing under the prefix"
echo "1 passed, 0 failed"
