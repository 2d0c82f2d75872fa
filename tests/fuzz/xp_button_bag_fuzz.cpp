// A saved XP button design, read as the program reads one from a file: restored onto a button, laid
// out, drawn and clicked, and saved again. What the save wrote restores the same properties.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_text.h"
#include "fuzz/null_canvas.h"
#include "support/button_fixture.h"

using namespace orvell;
using namespace orvell::controls;

namespace {

// The properties a design gives a button, after a few events on a face of a size (width 0: none), and
// what the button saves of them.
XpButtonProperties Restore(const PropertyBag& bag, int width, int height, PropertyBag& saved) {
    // One source for every restore, so the same name gives the same picture.
    static test::TestPictureSource pictures{
        test::TestPicture::Solid(4, 3, Colour(0xFF), L"res:PICTURE"),
        test::TestPicture::Icon({"#.", ".#"}, Colour(0xFF00), L"res:ICON")};
    fuzz::NullCanvas canvas;
    test::RecordingHost host;
    VelloXPButton button(host, canvas);
    button.SetEvents(&host);
    button.Restore(bag, L"Command1", test::kHostFont, pictures);
    if (width > 0) {
        button.OnResize(width, height);
        button.OnGotFocus();
        button.OnMouseMove(0, 0, 5, 5);
        button.OnMouseDown(1, 0, 5, 5);
        button.OnMouseUp(1, 0, 5, 5);
        button.OnKeyDown(32, 0);
        button.OnKeyUp(32, 0);
    }
    button.Save(saved, L"Command1", test::kHostFont);
    return button.Properties();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PropertyBag bag = PropertyBag::Parse(fuzz::FileText(data, size));
    const int width = size > 0 ? 1 + data[0] % 160 : 75;
    const int height = size > 1 ? data[1] % 80 : 23;
    PropertyBag saved;
    const XpButtonProperties restored = Restore(bag, width, height, saved);
    const PropertyBag reread = PropertyBag::Parse(saved.Format());
    PropertyBag savedAgain;
    if (!reread.Problems().empty() || !(Restore(reread, 0, 0, savedAgain) == restored)) {
        std::abort();  // a saved design comes back as it was
    }
    return 0;
}
