#!/usr/bin/env bash
# Starts a private D-Bus session with its accessibility bus and a virtual display, and reads the panel
# there as a screen reader would (atspi_smoke.py). Exits 77 (skipped) with the reason when a piece of
# that set-up is missing.
set -u
panel=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "skipped: $*"; exit 77; }
command -v xvfb-run >/dev/null || skip "xvfb-run is missing (Debian package xvfb)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (Debian package dbus-bin)"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || skip "the accessibility bus launcher is missing (Debian package at-spi2-core)"
# Debian's own Python, where python3-pyatspi lives, whatever other Python comes first on the PATH.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" -c "import pyatspi" 2>/dev/null || skip "python3-pyatspi is missing"
[ -x "$panel" ] || skip "no panel program at $panel"

exec dbus-run-session -- bash -c '
  "$0" --launch-immediately &
  launcher=$!
  xvfb-run -a "$3" "$1/atspi_smoke.py" "$2"
  result=$?
  kill $launcher 2>/dev/null
  exit $result
' "$launcher" "$here" "$panel" "$python"
