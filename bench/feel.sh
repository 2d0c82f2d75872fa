#!/usr/bin/env bash
# What the user waits for, side by side in one run, each against its floor: start-up of orvell.exe,
# a blank window of the same toolchain and Wine's notepad, in the build's prefix and in a plain one
# made by `wineboot -i` with no settings of ours (build/bench/plain-prefix, made on first use); the
# hotkey's show from the notification area; a lookup on screen and the language switch; idle cost and
# memory. Prints one key=value line per figure (ratios end in _ratio or _per_<floor>), so scripts can
# read it. Build the MinGW tree first (./dev test).
#   bench/feel.sh [start-up rounds] [hotkey rounds] [lookup rounds] [idle seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/mingw
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
starts=${1:-10} presses=${2:-50} lookups=${3:-200} seconds=${4:-10}
for exe in orvell.exe blank_window.exe startup_bench.exe hotkey_bench.exe screen_bench.exe; do
    [ -f "$build/$exe" ] || { echo "$build/$exe is missing: build the mingw preset first" >&2; exit 1; }
done
own="$PWD/$build/wineprefix"
plain="$PWD/build/bench/plain-prefix"
quiet() { grep -v -e wine32 -e multiarch -e 'dpkg --add' -e 'apt-get install' -e 'X connection' -e '^$' || true; }
windows_path() { winepath -w "$1" 2>/dev/null; }
startup() {  # key prefix
    timeout 900 wine "$(windows_path "$build/startup_bench.exe")" --rounds "$starts" "$(windows_path "$build/orvell.exe")" \
        "$(windows_path "$build/blank_window.exe")" notepad.exe 2>&1 | tr -d '\r' | quiet | sed "s/^/$1_/"
}

measure_all() {
export WINEARCH=win64 WINEDEBUG=-all
if [ ! -f "$plain/system.reg" ]; then
    echo "# making a plain Wine prefix in $plain" >&2
    mkdir -p "$plain"
    WINEPREFIX="$plain" timeout 300 wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$plain" timeout 120 wineserver -w || true
fi
(
    export WINEPREFIX="$plain"
    wineserver -p30 </dev/null >/dev/null 2>&1 || true
    wine cmd /c exit </dev/null >/dev/null 2>&1
    startup plain
    wineserver -k 2>/dev/null || true
)

export WINEPREFIX="$own" WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
wineserver -p30 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1
startup own
timeout 900 wine "$(windows_path "$build/hotkey_bench.exe")" --rounds "$presses" \
    "$(windows_path "$build/orvell.exe")" "$(windows_path "$build/blank_window.exe")" 2>&1 | tr -d '\r' | quiet
(cd "$build" && timeout 900 wine screen_bench.exe --rounds "$lookups" 2>&1 | tr -d '\r' | quiet)
wineserver -k 2>/dev/null || true
bench/idle.sh "$seconds" | grep '='
}

results=$(mktemp)
trap 'rm -f "$results"' EXIT
measure_all | tee "$results"
# The goals, each a figure over its floor in this run.
awk -F= '{ v[$1] = $2 }
    function ratio(name, a, b) { if (v[b] > 0) printf "%s=%.2f\n", name, v[a] / v[b] }
    END {
        ratio("idle_wakeups_orvell_per_notepad", "idle_orvell_shown_wakeups_per_s", "idle_notepad_wakeups_per_s")
        ratio("idle_cpu_orvell_per_notepad", "idle_orvell_shown_cpu_percent", "idle_notepad_cpu_percent")
        ratio("private_orvell_shown_per_notepad", "idle_orvell_shown_private_mb", "idle_notepad_private_mb")
        ratio("resident_orvell_hidden_per_shown", "idle_orvell_hidden_resident_mb", "idle_orvell_shown_resident_mb")
    }' "$results"
