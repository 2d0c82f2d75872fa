#!/usr/bin/env bash
# Idle cost of orvell.exe against a blank window of the same toolchain and Wine's notepad: with the
# program started and left alone, how often its threads are woken (context switches a second, all
# threads of the process), how much of a core it uses over a quiet interval, and its memory at the end
# of it (resident, and of that the private part: what the process itself allocated rather than shared
# library pages). Orvell is measured shown and hidden in the notification area (a start with
# SoftwareRun = 1, as from the Run key). Each figure also as a key=value line. Run after the MinGW
# tree and prefix are built.
#   bench/idle.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/mingw
seconds=${1:-10}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$seconds"
fi
export WINEPREFIX="$PWD/$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
key='HKCU\Software\Kestrane\Orvell'
wineserver -p30 </dev/null >/dev/null 2>&1 || true  # fails when one runs already
wine cmd /c exit </dev/null >/dev/null 2>&1

# Sums the context switches and CPU ticks of every thread of the process whose command line names $1.
sample() {
    local pid switches=0 ticks=0 t
    pid=$(pgrep -f -- "$1" | head -n 1)
    [ -n "$pid" ] || { echo "0 0"; return; }
    for t in /proc/"$pid"/task/*; do
        switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$t/status" 2>/dev/null || echo 0)))
        ticks=$((ticks + $(awk '{print $14 + $15}' "$t/stat" 2>/dev/null || echo 0)))
    done
    echo "$switches $ticks"
}

measure() {  # name, key, pattern, command...
    local name=$1 key=$2 pattern=$3
    shift 3
    "$@" </dev/null >/dev/null 2>&1 &
    sleep 4  # start-up and first paint are not idle
    read -r s0 t0 < <(sample "$pattern")
    sleep "$seconds"
    read -r s1 t1 < <(sample "$pattern")
    local hz pid rss private
    hz=$(getconf CLK_TCK)
    pid=$(pgrep -f -- "$pattern" | head -n 1)
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    private=$(awk '/^RssAnon/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    awk -v n="$name" -v s=$((s1 - s0)) -v t=$((t1 - t0)) -v d="$seconds" -v hz="$hz" -v r="${rss:-0}" \
        -v p="${private:-0}" -v k="$key" 'BEGIN { printf "%-28s %6.1f wake-ups/s  %5.2f %% of a core  %6.1f MB resident, %5.1f MB private\n",
            n, s / d, 100 * t / hz / d, r / 1024, p / 1024
            printf "idle_%s_wakeups_per_s=%.1f\nidle_%s_cpu_percent=%.2f\nidle_%s_resident_mb=%.1f\nidle_%s_private_mb=%.1f\n",
            k, s / d, k, 100 * t / hz / d, k, r / 1024, k, p / 1024 }'
    wine taskkill /f /im "$(basename "$pattern")" >/dev/null 2>&1 || pkill -f -- "$pattern" || true
    sleep 1
}

measure "orvell.exe, shown" orvell_shown "$build/orvell.exe" wine "$build/orvell.exe"
wine reg add "$key" /v SoftwareRun /t REG_DWORD /d 1 /f >/dev/null 2>&1
measure "orvell.exe, hidden in tray" orvell_hidden "$build/orvell.exe" wine "$build/orvell.exe"
# A start with SoftwareRun = 1 adds the program to the Run keys; Wine would start it with every session.
wine reg delete "$key" /v SoftwareRun /f >/dev/null 2>&1 || true
for root in HKLM HKCU; do
    wine reg delete "$root\Software\Microsoft\Windows\CurrentVersion\Run" /v Orvell /f >/dev/null 2>&1 || true
done
measure "blank_window.exe" blank "$build/blank_window.exe" wine "$build/blank_window.exe"
measure "notepad.exe" notepad "notepad.exe" wine notepad.exe
wineserver -k 2>/dev/null || true
