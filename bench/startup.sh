#!/usr/bin/env bash
# Start-up of orvell.exe against a blank window made by the same toolchain and Wine's notepad, under
# Wine in the build's prefix: each launched in turn until its window shows, painted and answering;
# medians and ratios printed as key=value lines. bench/feel.sh runs it in a plain prefix too. Run after
# ./dev test (or ./dev run) has built the MinGW tree and the prefix.
#   bench/startup.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/mingw
rounds=${1:-10}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$rounds"
fi
for exe in orvell.exe blank_window.exe startup_bench.exe; do
    [ -f "$build/$exe" ] || { echo "$build/$exe is missing: build the mingw preset first" >&2; exit 1; }
done
export WINEPREFIX="$PWD/$build/wineprefix"
"$build/wine-run.sh" "$build/startup_bench.exe" --rounds "$rounds" \
    "$(winepath -w "$build/orvell.exe" 2>/dev/null)" "$(winepath -w "$build/blank_window.exe" 2>/dev/null)" \
    notepad.exe 2>&1 | tr -d '\r' | grep -v -e wine32 -e multiarch -e 'dpkg --add' -e 'apt-get install' -e 'X connection'
