#!/usr/bin/env bash
# Draws every type of the XP button in every state into build/mingw/xp_button_gallery.bmp, to look at
# after a change of its painting (tools/xp_button_gallery.cpp says what the picture holds). It is no
# test and no part of ./dev test: it builds the small program with the MinGW preset and runs it under
# Wine in the build's prefix, which ./dev test makes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/mingw
export WINEPREFIX="$PWD/$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
if [ ! -d "$WINEPREFIX" ]; then
    echo "No Wine prefix in $WINEPREFIX yet: run ./dev test once first." >&2
    exit 1
fi
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target xp_button_gallery
timeout 120 wine "$build/xp_button_gallery.exe" "$build/xp_button_gallery.bmp" 'res\list.ico'
echo "The XP button in every type and state: $build/xp_button_gallery.bmp"
