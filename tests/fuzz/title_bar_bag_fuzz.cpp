// A saved title bar design, read as the program reads one from a file, and saved again. What the save
// wrote restores the same properties.
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
    return 0;
}
