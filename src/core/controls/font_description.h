#pragma once

#include <string>

namespace orvell::controls {

// A caption font as a control keeps and saves it; the platform makes the real font from it.
struct FontDescription {
    std::wstring name = L"宋体";
    float size = 9.0f;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// The program's Chinese face, in which its windows write.
inline FontDescription SongTi(float points, bool bold = false) {
    FontDescription font;
    font.size = points;
    font.bold = bold;
    return font;
}

}  // namespace orvell::controls
