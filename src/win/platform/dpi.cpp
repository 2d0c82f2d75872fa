#include "platform/dpi.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace orvell::win {

Dpi ScreenDpi() {
    const ClientDc screen(nullptr);
    if (!screen) {
        return Dpi{};
    }
    const int x = ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
    const int y = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    // No screen DC (a service desktop) reads as the standard 96.
    return Dpi{x > 0 ? x : 96, y > 0 ? y : 96};
}

}  // namespace orvell::win
