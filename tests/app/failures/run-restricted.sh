#!/usr/bin/env bash
# Runs a test program the way the failure tests need: as a user that file
# permissions apply to, with a tiny file system to fill (MOXTEN_SMALL_DISK).
# Started as root it makes a private mount of a 64 KiB tmpfs and drops to the
# user nobody (where nobody can reach the program); otherwise it runs the
# program as it is, and the tests that need these conditions are skipped.
set -euo pipefail
test=$1
if [ "$(id -u)" -ne 0 ]; then exec "$test"; fi
run_as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups --inh-caps=-all)
if ! "${run_as_nobody[@]}" "$test" -functions >/dev/null 2>&1; then run_as_nobody=(); fi
if unshare -m true 2>/dev/null; then
  exec unshare -m bash -c '
    disk=$(mktemp -d)
    mount -t tmpfs -o size=64k,mode=1777 tmpfs "$disk" && export MOXTEN_SMALL_DISK=$disk
    exec "$@"' run "${run_as_nobody[@]}" "$test"
fi
exec "${run_as_nobody[@]}" "$test"
