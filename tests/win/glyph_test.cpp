// The program's Chinese captions come out whole at the size its windows use: each character drawn at
// 9 points is held against the same character drawn four times as large and scaled down. A face whose
// small sizes lose strokes or hyphens (as WenQuanYi Zen Hei does at 12 pixels under Wine) leaves ink
// of the large drawing without a match in the small one.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "controls/font_description.h"
#include "dib_surface.h"
#include "platform/gdi.h"

namespace orvell::win {
namespace {

TEST(ChineseGlyphs, CaptionCharactersKeepEveryStrokeAtTheWindowsSize) {
    constexpr int kScale = 4;
    const int cell = -FontHeight(9.0) * 2;
    for (const wchar_t character : std::wstring_view(L"查询类型提示-")) {
        // How dark a pixel of the character is, 0 white to 1 black, drawn from the cell's corner.
        const auto draw = [character](float points, int side) {
            auto surface = std::make_unique<test_support::DibSurface>(side, side, Colour::Rgb(255, 255, 255));
            const unique_hfont font = MakeFont(controls::SongTi(points));
            const SelectGuard selected(surface->Dc(), font.Get());
            ::SetBkMode(surface->Dc(), TRANSPARENT);
            ::TextOutW(surface->Dc(), 0, 0, &character, 1);
            return [surface = std::move(surface)](int x, int y) {
                return 1.0 - surface->At(x, y).Green() / 255.0;
            };
        };
        const auto atSize = draw(9.0f, cell);
        const auto enlarged = draw(9.0f * kScale, cell * kScale);
        // Pixels the scaled-down large drawing inks at least half, and those of them the small drawing
        // leaves blank within a pixel either way (the two sizes round their metrics apart by that much).
        int solid = 0;
        int missed = 0;
        for (int y = 1; y < cell - 1; ++y) {
            for (int x = 1; x < cell - 1; ++x) {
                double reference = 0;
                double nearby = 0;
                for (int d = 0; d < kScale * kScale; ++d) {
                    reference +=
                        enlarged(x * kScale + d % kScale, y * kScale + d / kScale) / (kScale * kScale);
                    nearby = d < 9 ? std::max(nearby, atSize(x - 1 + d % 3, y - 1 + d / 3)) : nearby;
                }
                solid += reference >= 0.5 ? 1 : 0;
                missed += reference >= 0.5 && nearby < 0.2 ? 1 : 0;
            }
        }
        EXPECT_TRUE(solid > 0 && missed * 20 < solid) << "U+" << std::hex << static_cast<int>(character)
                                                      << std::dec << ": " << missed << " of " << solid;
    }
}

}  // namespace
}  // namespace orvell::win
