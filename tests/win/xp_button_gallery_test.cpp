// Every button type in every state, drawn by GDI into one picture to look at:
// build/mingw/xp_button_gallery.bmp (rows: the seven types; columns: normal, hovered, focused,
// pressed, disabled).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "controls/xp_button_window.h"
#include "platform/text_file.h"
#include "xp_button_support.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;

constexpr int kLabelWidth = 70;
constexpr int kHeaderHeight = 22;
constexpr int kCellWidth = 110;
constexpr int kCellHeight = 40;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 26;
constexpr Colour kBackground = Colour::Rgb(207, 203, 207);  // the main window's background

struct Row {
    const wchar_t* label;
    std::wstring design;
    int width;
};

struct State {
    const wchar_t* label;
    std::function<void(controls::VelloXPButton&)> enter;
};

class OnePicture final : public controls::PictureSource {
public:
    explicit OnePicture(controls::PictureRef picture) : m_picture(std::move(picture)) {}
    controls::PictureRef Load(std::wstring_view reference) override {
        return reference == m_picture->Reference() ? m_picture : nullptr;
    }

private:
    controls::PictureRef m_picture;
};

// Writes a 24-bit bottom-up BMP file.
bool WriteBmp(const std::wstring& path, const DibSurface& surface) {
    const int width = surface.Width();
    const int height = surface.Height();
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y) {
        char* row = pixels.data() + static_cast<std::ptrdiff_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const Colour c = surface.At(x, y);
            row[x * 3] = static_cast<char>(c.Blue());
            row[x * 3 + 1] = static_cast<char>(c.Green());
            row[x * 3 + 2] = static_cast<char>(c.Red());
        }
    }
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

void Label(HDC dc, const wchar_t* text, const Rect& rect) {
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

TEST(XpButtonGallery, EveryTypeInEveryState) {
    const std::wstring picture = L"Button图片_常显=test:icon\n图片框_宽=24\n图片框_高=24\n";
    const std::vector<Row> rows = {
        {L"0 XP", L"Caption=ASCⅡ表\n" + picture, kButtonWidth},
        {L"1 flat", L"Caption=隐藏\nButton_类型=1\n" + picture, kButtonWidth},
        {L"2 arrow", L"Caption=Arrow\nButton_类型=2\n" + picture, kButtonWidth},
        {L"3 toolbar", L"Caption=Tool\nButton_类型=3\n" + picture, kButtonWidth},
        {L"4 chevron", L"Caption=Chevron\nButton_类型=4\n", 24},
        {L"5 separator", L"Caption=Sep\nButton_类型=5\n图片框_框内留空_左侧=2\n图片框_框内留空_右侧=2\n", 8},
        {L"6 grip", L"Caption=Grip\nButton_类型=6\n图片框_框内留空_左侧=2\n图片框_框内留空_右侧=2\n", 10},
    };
    const std::vector<State> states = {
        {L"normal", [](controls::VelloXPButton&) {}},
        {L"hovered", [](controls::VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }},
        {L"focused", [](controls::VelloXPButton& b) { b.OnGotFocus(); }},
        {L"pressed",
         [](controls::VelloXPButton& b) {
             b.OnMouseMove(0, 0, 5, 5);
             b.OnMouseDown(1, 0, 5, 5);
         }},
        {L"disabled", [](controls::VelloXPButton& b) { b.SetEnabled(false); }},
    };

    const int width = kLabelWidth + kCellWidth * static_cast<int>(states.size());
    const int height = kHeaderHeight + kCellHeight * static_cast<int>(rows.size());
    DibSurface gallery(width, height, kBackground);
    ASSERT_TRUE(gallery.IsValid());
    const unique_hfont labelFont(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                               NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    const SelectGuard labels(gallery.Dc(), labelFont.Get());
    for (std::size_t s = 0; s < states.size(); ++s) {
        const int left = kLabelWidth + static_cast<int>(s) * kCellWidth;
        Label(gallery.Dc(), states[s].label, Rect{left, 0, left + kCellWidth, kHeaderHeight});
    }

    const auto icon = test_support::MakeTestIcon(Colour::Rgb(40, 90, 200), Colour::Rgb(250, 200, 30));
    ASSERT_TRUE(icon);
    OnePicture pictures(icon);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = kHeaderHeight + static_cast<int>(r) * kCellHeight;
        Label(gallery.Dc(), rows[r].label, Rect{0, top, kLabelWidth, top + kCellHeight});
        std::set<std::vector<std::uint32_t>> looks;
        for (std::size_t s = 0; s < states.size(); ++s) {
            SCOPED_TRACE(::testing::Message() << "row " << r << ", state " << s);
            // The button as its window would show it: restored from a design, sized, then the state's
            // input, each redrawing as it would on the screen.
            DibSurface face(rows[r].width, kButtonHeight, kBackground);
            test_support::DibHost host(face.Dc());
            GdiCanvas canvas(face.Dc());
            controls::VelloXPButton button(host, canvas);
            const controls::PropertyBag design = controls::PropertyBag::Parse(rows[r].design);
            button.Restore(design, L"Command2", controls::FontDescription{L"宋体", 9}, pictures);
            ASSERT_TRUE(design.Problems().empty());
            button.OnResize(rows[r].width, kButtonHeight);
            states[s].enter(button);
            ASSERT_TRUE(host.region.has_value());
            const unique_hrgn shape = MakeWindowRegion(*host.region);

            const int left =
                kLabelWidth + static_cast<int>(s) * kCellWidth + (kCellWidth - rows[r].width) / 2;
            const int cellTop = top + (kCellHeight - kButtonHeight) / 2;
            std::vector<std::uint32_t> look;
            int drawn = 0;
            for (int y = 0; y < kButtonHeight; ++y) {
                for (int x = 0; x < rows[r].width; ++x) {
                    if (::PtInRegion(shape.Get(), x, y) == 0) {
                        continue;  // cut off by the window's shape: the parent shows through
                    }
                    const Colour pixel = face.At(x, y);
                    ::SetPixel(gallery.Dc(), left + x, cellTop + y,
                               RGB(pixel.Red(), pixel.Green(), pixel.Blue()));
                    look.push_back(pixel.Value());
                    drawn += pixel == kBackground ? 0 : 1;
                }
            }
            EXPECT_GT(drawn, rows[r].width * kButtonHeight / 4) << "the button covers its face";
            looks.insert(look);
        }
        // The XP type looks different in each state, the other push types in some; the separator
        // and the grip look the same in all.
        if (r == 0) {
            EXPECT_EQ(looks.size(), states.size());
        } else if (r <= 4) {
            EXPECT_GT(looks.size(), 1u) << "row " << r;
        } else {
            EXPECT_EQ(looks.size(), 1u) << "row " << r;
        }
    }

    const std::wstring path = ExeFolder() + L"\\xp_button_gallery.bmp";
    ASSERT_TRUE(WriteBmp(path, gallery));
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    ASSERT_NE(::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes), 0);
    EXPECT_EQ(attributes.nFileSizeLow,
              sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + ((width * 3 + 3) & ~3) * height);
}

}  // namespace
}  // namespace orvell::win
