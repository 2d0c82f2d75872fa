#pragma once

#include "common/canvas.h"

namespace orvell::fuzz {

// A surface that draws nothing, so that what the controls ask of it costs nothing whatever the sizes:
// the fuzzers look for faults in the controls' own arithmetic and in what they read back.
class NullCanvas final : public Canvas {
public:
    Colour Resolve(Colour colour) const override { return Colour(colour.Value() & 0x00FFFFFFu); }
    void Line(Point, Point, Colour) override {}
    void Fill(const Rect&, Colour) override {}
    void Frame(const Rect&, Colour) override {}
    void Arc(const Rect&, Point, Point, Colour) override {}
    void Edge(const Rect&, EdgeKind) override {}
    void Polygon(std::span<const Point>, Colour) override {}
    void SetPixel(Point, Colour) override {}
    Colour GetPixel(Point) const override { return Colour(0); }
    void Text(std::wstring_view, const Rect&, unsigned, Colour) override {}
    int TextHeight(std::wstring_view text, const Rect&, unsigned) const override {
        return text.empty() ? 0 : 12;
    }
    void FocusRect(const Rect&) override {}
};

}  // namespace orvell::fuzz
