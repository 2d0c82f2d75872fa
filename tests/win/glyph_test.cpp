// The program's Chinese captions come out whole at the size its windows use: each character drawn at
// 9 points is held against the same character drawn four times as large and scaled down. A face whose
// small sizes lose strokes or hyphens (as WenQuanYi Zen Hei does at 12 pixels under Wine) leaves ink
// of the large drawing without a match in the small one.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "controls/font_description.h"
#include "dib_surface.h"
#include "platform/gdi.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;

constexpr int kScale = 4;

// How dark each pixel of one character is, 0 white to 1 black, drawn black on white from the cell's
// top-left corner.
std::vector<double> Ink(float points, wchar_t character, int cell) {
    DibSurface surface(cell, cell, Colour::Rgb(255, 255, 255));
    const unique_hfont font = MakeFont(controls::SongTi(points));
    const SelectGuard selected(surface.Dc(), font.Get());
    ::SetBkMode(surface.Dc(), TRANSPARENT);
    ::SetTextColor(surface.Dc(), RGB(0, 0, 0));
    ::TextOutW(surface.Dc(), 0, 0, &character, 1);
    std::vector<double> ink;
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            ink.push_back(1.0 - surface.At(x, y).Green() / 255.0);
        }
    }
    return ink;
}

// Of the pixels the scaled-down large drawing inks at least half, the share that the small drawing
// leaves blank within a pixel either way (sizes round their metrics apart by that much).
double MissedShare(wchar_t character) {
    const int cell = -FontHeight(9.0) * 2;
    const std::vector<double> atSize = Ink(9.0f, character, cell);
    const std::vector<double> enlarged = Ink(9.0f * kScale, character, cell * kScale);
    int solid = 0;
    int missed = 0;
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            double reference = 0;
            for (int dy = 0; dy < kScale; ++dy) {
                for (int dx = 0; dx < kScale; ++dx) {
                    reference += enlarged[(y * kScale + dy) * cell * kScale + x * kScale + dx];
                }
            }
            if (reference / (kScale * kScale) < 0.5) {
                continue;
            }
            ++solid;
            double nearby = 0;
            for (int ny = std::max(0, y - 1); ny <= std::min(cell - 1, y + 1); ++ny) {
                for (int nx = std::max(0, x - 1); nx <= std::min(cell - 1, x + 1); ++nx) {
                    nearby = std::max(nearby, atSize[ny * cell + nx]);
                }
            }
            missed += nearby < 0.2 ? 1 : 0;
        }
    }
    return solid == 0 ? 1.0 : static_cast<double>(missed) / solid;
}

TEST(ChineseGlyphs, CaptionCharactersKeepEveryStrokeAtTheWindowsSize) {
    for (const wchar_t character : std::wstring_view(L"查询类型提示-")) {
        SCOPED_TRACE(::testing::Message() << "character U+" << std::hex << static_cast<int>(character));
        EXPECT_LT(MissedShare(character), 0.05);
    }
}

}  // namespace
}  // namespace orvell::win
