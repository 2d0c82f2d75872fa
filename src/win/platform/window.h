#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/geometry.h"

namespace orvell::win {

// What a window class is registered with.
struct WindowClass {
    const wchar_t* name = nullptr;
    UINT style = CS_HREDRAW | CS_VREDRAW;
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;  // the arrow when null
};

// Where and how a window is created.
struct WindowCreation {
    const wchar_t* title = L"";
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menu = nullptr;
};

// A child control window of the program's own classes: at bounds in the parent's client pixels, known
// to the parent by id.
WindowCreation ChildCreation(HWND parent, int id, const Rect& bounds, const wchar_t* title, DWORD style);

// The signed client coordinates of a mouse message (windowsx.h's macros would bring others that clash
// with the program's names).
inline Point MousePoint(LPARAM lParam) {
    return Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Where a window of this size stands centred on the screen.
Point CentredOnScreen(int width, int height);

// A tooltip control for the tools of an owner window, made when a window that has tips is made (the
// common-controls class is registered then, not at the program's start).
HWND CreateTooltip(HWND owner);

// Base of every window of the program. The object is bound to its window from WM_NCCREATE to
// WM_NCDESTROY and receives its messages in HandleMessage. The object owns the window: destroying the
// object destroys a window that is still there; a window destroyed first (closed, or with its parent)
// leaves the object without one. HandleMessage must not delete the object.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const noexcept { return m_window; }

protected:
    Window() = default;

    // Registers the class the first time it is asked for and creates the window. False when the object
    // has a window already or the window system refuses (GetLastError tells why); a class name
    // registered by other code, with another window procedure, is refused too.
    bool Create(const WindowClass& windowClass, const WindowCreation& creation);

    // Every message after WM_NCCREATE up to and including WM_NCDESTROY. The default is the system's.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Exceptions must not unwind through the window system's frames: one that escapes a handler ends
    // the program here.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND m_window = nullptr;
};

// A child window of a system or registered class (EDIT, BUTTON ...), identified under its parent by id.
// It lives as long as its parent. Bounds are in the parent's client pixels.
HWND CreateChild(HWND parent, const wchar_t* className, std::wstring_view text, DWORD style, int id,
                 const Rect& bounds, DWORD exStyle = 0);

std::wstring GetText(HWND window);
bool SetText(HWND window, std::wstring_view text);

// Holds a shown window's painting while many of its parts change, then paints it once, frame and
// children included, before it goes: each change would otherwise paint on its own, some parts twice.
// A hidden window paints when it shows, so there is nothing to hold.
class RepaintOnce {
public:
    explicit RepaintOnce(HWND window);
    ~RepaintOnce();
    RepaintOnce(const RepaintOnce&) = delete;
    RepaintOnce& operator=(const RepaintOnce&) = delete;

private:
    HWND m_window;  // null when there is nothing to hold
};

}  // namespace orvell::win
