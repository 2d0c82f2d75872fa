#include "platform/dpi.h"

#include <windows.h>

#include "platform/system_library.h"
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

Dpi WindowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        // A monitor has one DPI for both axes; 0 is a handle that is no window.
        if (const int dpi = static_cast<int>(getDpiForWindow(window)); dpi > 0) {
            return Dpi{dpi, dpi};
        }
    }
    return ScreenDpi();
}

std::wstring ArtResourceName(std::wstring_view name, int artScale) {
    std::wstring resource(name);
    if (artScale != 100) {
        resource += L"_" + std::to_wstring(artScale);
    }
    return resource;
}

}  // namespace orvell::win
