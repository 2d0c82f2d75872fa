#include <windows.h>

#include "platform/dpi.h"
#include "platform/unique_handle.h"
#include "platform/window.h"

namespace orvell::win {
namespace {

// The main window's designed client area and background.
constexpr int kClientWidthTwips = 6240;
constexpr int kClientHeightTwips = 5235;
constexpr COLORREF kBackground = RGB(207, 203, 207);

class MainWindow final : public Window {
public:
    bool Open(int show) {
        m_background.Reset(::CreateSolidBrush(kBackground));
        const TwipsScale scale = TwipsScale::ForScreen();
        constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        RECT frame{0, 0, scale.X(kClientWidthTwips), scale.Y(kClientHeightTwips)};
        ::AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;

        WindowClass windowClass;
        windowClass.name = L"OrvellMain";
        // The class outlives any one window, so it gets no brush of ours; the window erases itself.
        windowClass.background = nullptr;
        windowClass.icon = ::LoadIconW(nullptr, IDI_APPLICATION);
        WindowCreation creation;
        creation.title = L"Orvell";
        creation.style = kStyle;
        creation.x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        creation.y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        creation.width = width;
        creation.height = height;
        if (!Create(windowClass, creation)) {
            return false;
        }
        ::ShowWindow(Handle(), show);
        ::UpdateWindow(Handle());
        return true;
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_ERASEBKGND:
                return OnEraseBackground(reinterpret_cast<HDC>(wParam));
            case WM_DESTROY:
                ::PostQuitMessage(0);
                return 0;
            default:
                return Window::HandleMessage(message, wParam, lParam);
        }
    }

private:
    LRESULT OnEraseBackground(HDC dc) {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        ::FillRect(dc, &client, m_background.Get());
        return 1;
    }

    unique_hbrush m_background;
};

}  // namespace
}  // namespace orvell::win

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    orvell::win::MainWindow mainWindow;
    if (!mainWindow.Open(show)) {
        return 1;
    }
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
