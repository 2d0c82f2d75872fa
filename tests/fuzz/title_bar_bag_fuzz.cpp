// A saved title bar design, read as the program reads one from a file, and the bar's art laid out at a
// size and resolution taken from the input. What the save wrote restores the same properties.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_text.h"
#include "skin/title_bar.h"

using namespace orvell;
using namespace orvell::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const controls::PropertyBag bag = controls::PropertyBag::Parse(fuzz::FileText(data, size));
    const BFormProperties restored = RestoreBForm(bag);
    controls::PropertyBag saved;
    SaveBForm(restored, saved);
    const controls::PropertyBag reread = controls::PropertyBag::Parse(saved.Format());
    if (!reread.Problems().empty() || !(RestoreBForm(reread) == restored)) {
        std::abort();  // a saved design comes back as it was
    }
    if (const auto text = bag.RawValue(bform_key::kBackColor)) {
        const auto colour = ParseBackColor(*text);
        if (colour && ParseBackColor(BackColorText(*colour)) != colour) {
            std::abort();
        }
    }
    // Windows up to 32767 pixels a side, at 48 to 480 dots per inch.
    const int width = size > 1 ? (data[0] << 8 | data[1]) * 7 : 4000;
    const int height = size > 3 ? (data[2] << 8 | data[3]) * 7 : 3000;
    const int dpi = size > 4 ? 48 + data[4] * 432 / 255 : 96;
    for (const bool nomin : {false, true}) {
        for (const ArtPiece& piece : TitleStripPieces(width, nomin)) {
            PlaceArt(piece, dpi, dpi);
        }
    }
    PlaceArt(MinButtonPiece(width), dpi, dpi);
    PlaceArt(CloseButtonPiece(width), dpi, dpi);
    for (const ArtPiece& piece : HostBorderPieces(width, height)) {
        PlaceArt(piece, dpi, dpi);
    }
    return 0;
}
