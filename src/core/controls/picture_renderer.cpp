#include "controls/picture_renderer.h"

#include <cstddef>
#include <vector>

#include "controls/colour_math.h"

namespace orvell::controls {

namespace {

constexpr Colour kShadowGrey = Colour::Rgb(128, 128, 128);
constexpr Colour kWhite = Colour::Rgb(255, 255, 255);

}  // namespace

void RenderPicture(Canvas& canvas, const Picture& picture, const Rect& box, PictureMode mode) {
    const PictureKind kind = picture.Kind();
    if (kind != PictureKind::Bitmap && kind != PictureKind::Icon) {
        return;
    }
    if (mode == PictureMode::Normal) {
        picture.Draw(canvas, box);
        return;
    }
    if (mode == PictureMode::Embossed && kind == PictureKind::Bitmap) {
        canvas.Fill(box, kShadowGrey);
        canvas.Edge(box, EdgeKind::SunkenInner);
        return;
    }
    if (box.Width() <= 0 || box.Height() <= 0) {
        return;
    }
    // What the picture changes is found by comparing the box before and after drawing it.
    const std::vector<Colour> before = canvas.ReadPixels(box);
    picture.Draw(canvas, box);
    const std::vector<Colour> after = canvas.ReadPixels(box);
    if (before.size() != after.size()) {
        return;
    }
    const auto drawn = [&](std::size_t i) { return kind == PictureKind::Bitmap || after[i] != before[i]; };
    std::vector<Colour> result = after;
    if (mode == PictureMode::Embossed) {
        // Icon pixels turn grey; a pixel the icon left alone turns white when the icon drew the pixel
        // above it or to its left, which gives the raised edge below and right of the shape.
        const std::size_t width = static_cast<std::size_t>(box.Width());
        for (std::size_t i = 0; i < result.size(); ++i) {
            if (drawn(i)) {
                result[i] = kShadowGrey;
            } else if ((i >= width && drawn(i - width)) || (i % width != 0 && drawn(i - 1))) {
                result[i] = kWhite;
            }
        }
    } else {
        for (std::size_t i = 0; i < result.size(); ++i) {
            if (drawn(i)) {
                if (mode == PictureMode::Shadow) {
                    result[i] = kShadowGrey;
                } else {
                    const int level = GreyLevel(after[i]);
                    result[i] = Colour::Rgb(level, level, level);
                }
            }
        }
    }
    canvas.WritePixels(box, result);
}

}  // namespace orvell::controls
