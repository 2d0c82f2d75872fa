#include "skin/frame_rules.h"

namespace orvell::skin {

int FrameHitTest(Point at, int width, int height, const Margins& margins, bool sizable, int captionHeight) {
    const int x = at.x;
    const int y = at.y;
    const int band = margins.bottom;  // the sizing bands at the top and bottom are as thick as this
    if (!Rect{0, 0, width, height}.Contains(at)) {
        return hit::kClient;
    }
    // The borders of a window that cannot be sized are nothing in particular: client area.
    const bool top = y <= band;
    const bool bottom = y >= height - band;
    if (x <= margins.left) {
        return !sizable ? hit::kClient : top ? hit::kTopLeft : bottom ? hit::kBottomLeft : hit::kLeft;
    }
    if (x >= width - margins.right) {
        return !sizable ? hit::kClient : top ? hit::kTopRight : bottom ? hit::kBottomRight : hit::kRight;
    }
    if (top || bottom) {
        return !sizable ? hit::kClient : top ? hit::kTop : hit::kBottom;
    }
    if (y <= margins.top && y <= band + captionHeight) {
        return x <= captionHeight ? hit::kSysMenu : hit::kCaption;
    }
    return hit::kClient;
}

namespace {
constexpr std::uint32_t kSize = 0x05, kSetText = 0x0C, kActivateApp = 0x1C, kStyleChanged = 0x7D,
                        kNcCalcSize = 0x83, kNcHitTest = 0x84, kNcPaint = 0x85, kNcActivate = 0x86,
                        kNcLButtonDown = 0xA1, kNcLButtonUp = 0xA2, kNcLButtonDblClk = 0xA3,
                        kInitMenu = 0x116, kInitMenuPopup = 0x117, kEnterMenuLoop = 0x211,
                        kExitMenuLoop = 0x212, kNcMouseLeave = 0x2A2, kDestroy = 0x02;
}  // namespace

std::vector<std::uint32_t> FrameMessages(bool mdiChild) {
    std::vector<std::uint32_t> messages{kNcCalcSize,    kNcPaint,         kNcActivate,  kNcLButtonDown,
                                        kNcLButtonUp,   kNcLButtonDblClk, kNcHitTest,   kInitMenu,
                                        kInitMenuPopup, kStyleChanged,    kSetText,     kActivateApp,
                                        kEnterMenuLoop, kExitMenuLoop,    kNcMouseLeave};
    if (mdiChild) {
        messages.push_back(kSize);
    }
    messages.push_back(kDestroy);
    return messages;
}

EMsgResponse FrameResponse(std::uint32_t message) {
    switch (message) {
        case kNcCalcSize:
        case kNcLButtonUp:
        case kActivateApp:
        case kNcMouseLeave:
        case kDestroy:
            return mrBeforeOld;
        default:
            return mrConsume;
    }
}

}  // namespace orvell::skin
