#!/usr/bin/env bash
# Soak of orvell.exe: a long, seeded run of random user actions driven from outside (lookups, every
# button, language and screen, menus by keyboard, the hotkey and the tray, the four secondary windows,
# the start-up entry, clipboard copies), with the program's objects and memory counted after the first
# 1 000 actions and at the end, its settings checked against the actions, and a clean exit. Runs in
# the build's own Wine prefix and puts back the settings it found there. Build the MinGW tree first
# (./dev test). The test command runs a short one.
#   bench/soak.sh [actions] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/mingw
actions=${1:-10000}
seed=${2:-1}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$actions" "$seed"
fi
for exe in orvell.exe orvell_soak.exe; do
    [ -f "$build/$exe" ] || { echo "$build/$exe is missing: build the mingw preset first" >&2; exit 1; }
done
rc=0
"$build/wine-run.sh" "$build/orvell_soak.exe" --actions "$actions" --seed "$seed" || rc=$?
WINEPREFIX="$PWD/$build/wineprefix" wineserver -k 2>/dev/null || true
exit $rc
