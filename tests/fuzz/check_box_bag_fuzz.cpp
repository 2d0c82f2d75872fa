// A saved check box design, read as the program reads one from a file: restored, laid out, drawn and
// clicked, and saved again. What the save wrote restores the same properties.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "controls/xp_check_box.h"
#include "fuzz/fuzz_text.h"
#include "fuzz/null_canvas.h"

using namespace orvell;
using namespace orvell::controls;

namespace {

class Host final : public XpCheckBoxHost {
public:
    void PropertyChanged(std::wstring_view) override {}
    void ApplyEnabled(bool) override {}
    void ApplyFont(const FontDescription&) override {}
    TextExtent MeasureCaption(std::wstring_view caption) override {
        return TextExtent{6 * static_cast<int>(caption.size()), caption.empty() ? 0 : 12};
    }
    void StartHoverTimer() override {}
    void StopHoverTimer() override {}
    void Invalidate() override {}
    void ValueClicked() override {}
};

// Every strip is there; one strip lacks a row, as a damaged image would.
class Art final : public CheckBoxArt {
public:
    std::span<const Colour> Strip(int index) override {
        static const std::vector<Colour> pixels(check_box_art::kStripWidth * check_box_art::kCellSize,
                                                Colour(0x808080));
        return std::span(pixels).first(pixels.size() - (index == 7 ? check_box_art::kStripWidth : 0));
    }
};

const FontDescription kHostFont{L"宋体", 9.0f, false, false, false, false};

XpCheckBoxProperties Restore(const PropertyBag& bag, int width, int height, PropertyBag& saved) {
    Host host;
    XpCheckBox box(host);
    box.Restore(bag, kHostFont);
    box.OnResize(width, height);
    fuzz::NullCanvas canvas;
    Art art;
    box.OnGotFocus();
    box.OnMouseMove(0, 0, 5, 5);
    box.Paint(canvas, art);
    box.OnMouseDown(1, 0, 5, 5);
    box.OnMouseUp(1, 0, 5, 5);
    box.OnHoverTick(-1, -1);
    box.Paint(canvas, art);
    box.Save(saved, kHostFont);
    return box.Properties();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PropertyBag bag = PropertyBag::Parse(fuzz::FileText(data, size));
    const int width = size > 0 ? data[0] % 200 : 90;
    const int height = size > 1 ? data[1] % 40 : 17;
    PropertyBag saved;
    const XpCheckBoxProperties restored = Restore(bag, width, height, saved);
    const PropertyBag reread = PropertyBag::Parse(saved.Format());
    PropertyBag savedAgain;
    if (!reread.Problems().empty() || !(Restore(reread, width, height, savedAgain) == restored)) {
        std::abort();  // a saved design comes back as it was
    }
    return 0;
}
