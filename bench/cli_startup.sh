#!/usr/bin/env bash
# A lookup by orvell-cli from a cold start (a fresh process each time, as from a shell) against the
# floor of any such lookup: cat of the two data files it reads. Medians of each and their ratio.
# Run after the native tree is built (./dev test or cmake --build --preset native).
#   bench/cli_startup.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/native
rounds=${1:-200}
[ -x "$build/orvell-cli" ] || { echo "$build/orvell-cli is missing: build the native preset first" >&2; exit 1; }
cli=$build/orvell-cli
data=("$build/Character.txt" "$build/ASCⅡ.txt")

# Prints the median wall time of the command over the rounds, in microseconds. EPOCHREALTIME is read
# by the shell itself, so no timing process is started between the marks.
median() {
    local times=() start end
    for ((i = 0; i < rounds; i++)); do
        start=${EPOCHREALTIME/./}
        "$@" >/dev/null 2>&1 || true
        end=${EPOCHREALTIME/./}
        times+=($((end - start)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

"$cli" --lang en A >/dev/null  # the files in the page cache, as for every later lookup
lookup=$(median "$cli" --lang en A)
reverse=$(median "$cli" --lang en --type c --table 065)
floor=$(median cat "${data[@]}")
echo "rounds: $rounds"
echo "orvell-cli A (search):            ${lookup} us"
echo "orvell-cli --type c --table 065:  ${reverse} us"
echo "cat of the two data files:        ${floor} us"
awk -v a="$lookup" -v b="$reverse" -v f="$floor" \
    'BEGIN { printf "ratio to the floor: %.2f (search), %.2f (reverse, table)\n", a / f, b / f }'
