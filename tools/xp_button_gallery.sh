#!/usr/bin/env bash
# Draws every type of the XP button in every state into build/mingw/xp_button_gallery.bmp, to look at
# after a change of its painting (tools/xp_button_gallery.cpp says what the picture holds). It is no
# test and no part of ./dev test: it builds the button's library with the MinGW preset, compiles the
# small program against it and runs it under Wine in the build's prefix, which ./dev test makes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/mingw
export WINEPREFIX="$PWD/$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
if [ ! -d "$WINEPREFIX" ]; then
    echo "No Wine prefix in $WINEPREFIX yet: run ./dev test once first." >&2
    exit 1
fi
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target orvell_win
# The definitions and libraries of the orvell_win target (src/win/CMakeLists.txt).
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -municode \
    -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 \
    -Isrc/core -Isrc/win tools/xp_button_gallery.cpp \
    "$build/src/win/liborvell_win.a" "$build/src/core/liborvell_core.a" \
    -static -static-libgcc -static-libstdc++ -luser32 -lgdi32 -ladvapi32 -lshell32 -lcomctl32 -lwinmm \
    -o "$build/xp_button_gallery.exe"
timeout 120 wine "$build/xp_button_gallery.exe" "$build/xp_button_gallery.bmp" 'res\list.ico'
echo "The XP button in every type and state: $build/xp_button_gallery.bmp"
