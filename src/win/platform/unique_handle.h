#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace orvell::win {

// Sole owner of one system handle: the destructor closes it, copying is deleted so nothing is closed
// twice, and moving hands the handle on. kInvalid is the value the creating calls use for "no handle"
// (0 for most, -1 for file handles).
template <typename T, auto Close, std::intptr_t kInvalid = 0>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(T handle) noexcept : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    static T Invalid() noexcept { return reinterpret_cast<T>(kInvalid); }

    T Get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Invalid(); }

    // Gives up ownership without closing.
    [[nodiscard]] T Release() noexcept { return std::exchange(m_handle, Invalid()); }

    void Reset(T handle = Invalid()) noexcept {
        const T old = std::exchange(m_handle, handle);
        if (old != Invalid()) {
            Close(old);
        }
    }

    // For calls that return the handle through an out parameter (RegOpenKeyExW ...): closes what is
    // held first.
    T* Put() noexcept {
        Reset();
        return &m_handle;
    }

private:
    T m_handle = Invalid();
};

namespace detail {
// The system calls are imported from DLLs, so their addresses are not constants a template can take;
// these forwarders are.
inline void DestroyWindowHandle(HWND window) noexcept {
    ::DestroyWindow(window);
}
inline void DeleteGdiObject(HGDIOBJ object) noexcept {
    ::DeleteObject(object);
}
inline void DeleteDcHandle(HDC dc) noexcept {
    ::DeleteDC(dc);
}
inline void CloseKey(HKEY key) noexcept {
    ::RegCloseKey(key);
}
inline void DestroyMenuHandle(HMENU menu) noexcept {
    ::DestroyMenu(menu);
}
inline void DestroyAcceleratorHandle(HACCEL table) noexcept {
    ::DestroyAcceleratorTable(table);
}
inline void GlobalFreeHandle(HGLOBAL memory) noexcept {
    ::GlobalFree(memory);
}
inline void DestroyIconHandle(HICON icon) noexcept {
    ::DestroyIcon(icon);
}
inline void CloseKernelHandle(HANDLE handle) noexcept {
    ::CloseHandle(handle);
}
}  // namespace detail

using unique_hwnd = UniqueHandle<HWND, &detail::DestroyWindowHandle>;
using unique_hfont = UniqueHandle<HFONT, &detail::DeleteGdiObject>;
using unique_hbrush = UniqueHandle<HBRUSH, &detail::DeleteGdiObject>;
using unique_hpen = UniqueHandle<HPEN, &detail::DeleteGdiObject>;
using unique_hbitmap = UniqueHandle<HBITMAP, &detail::DeleteGdiObject>;
using unique_hrgn = UniqueHandle<HRGN, &detail::DeleteGdiObject>;
// A DC made by CreateCompatibleDC or CreateDCW; one borrowed from a window is a ClientDc or WindowDc.
using unique_hdc = UniqueHandle<HDC, &detail::DeleteDcHandle>;
using unique_hkey = UniqueHandle<HKEY, &detail::CloseKey>;
using unique_hmenu = UniqueHandle<HMENU, &detail::DestroyMenuHandle>;
using unique_hicon = UniqueHandle<HICON, &detail::DestroyIconHandle>;
using unique_haccel = UniqueHandle<HACCEL, &detail::DestroyAcceleratorHandle>;
// Memory from GlobalAlloc; handed to the clipboard with Release once SetClipboardData took it.
using unique_hglobal = UniqueHandle<HGLOBAL, &detail::GlobalFreeHandle>;
// CreateFileW reports failure with INVALID_HANDLE_VALUE, not with 0.
using unique_hfile = UniqueHandle<HANDLE, &detail::CloseKernelHandle, -1>;
using unique_handle = UniqueHandle<HANDLE, &detail::CloseKernelHandle>;

// BeginPaint and EndPaint around the handling of WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : m_window(window), m_dc(::BeginPaint(window, &m_paint)) {}
    ~PaintDc() {
        if (m_dc != nullptr) {
            ::EndPaint(m_window, &m_paint);
        }
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const noexcept { return m_dc; }
    const PAINTSTRUCT& Paint() const noexcept { return m_paint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// A DC borrowed from a window (client area or whole window), given back on scope exit.
template <HDC (*Acquire)(HWND)>
class BorrowedDc {
public:
    explicit BorrowedDc(HWND window) noexcept : m_window(window), m_dc(Acquire(window)) {}
    ~BorrowedDc() {
        if (m_dc != nullptr) {
            ::ReleaseDC(m_window, m_dc);
        }
    }
    BorrowedDc(const BorrowedDc&) = delete;
    BorrowedDc& operator=(const BorrowedDc&) = delete;

    HDC Get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

namespace detail {
inline HDC AcquireClientDc(HWND window) noexcept {
    return ::GetDC(window);
}
inline HDC AcquireWindowDc(HWND window) noexcept {
    return ::GetWindowDC(window);
}
}  // namespace detail

// GetDC / ReleaseDC; a null window gives the screen's DC.
using ClientDc = BorrowedDc<&detail::AcquireClientDc>;
// GetWindowDC / ReleaseDC: the whole window, non-client area included.
using WindowDc = BorrowedDc<&detail::AcquireWindowDc>;

// Selects a pen, brush, font or bitmap into a DC and puts the previous one back on scope exit. Declare
// it after the owner of the object, so the object is deselected before it is deleted. Not for regions:
// selecting one returns the region's kind, not the previous region. Movable, so a long-lived owner can
// keep one as a member; false when the selection failed and nothing is to be put back.
class SelectGuard {
public:
    SelectGuard() noexcept = default;
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_previous(::SelectObject(dc, object)) {
        if (m_previous == HGDI_ERROR) {
            m_previous = nullptr;
        }
    }
    ~SelectGuard() { Restore(); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    SelectGuard(SelectGuard&& other) noexcept
        : m_dc(other.m_dc), m_previous(std::exchange(other.m_previous, nullptr)) {}
    SelectGuard& operator=(SelectGuard&& other) noexcept {
        if (this != &other) {
            Restore();
            m_dc = other.m_dc;
            m_previous = std::exchange(other.m_previous, nullptr);
        }
        return *this;
    }

    explicit operator bool() const noexcept { return m_previous != nullptr; }

    void Restore() noexcept {
        if (m_previous != nullptr) {
            ::SelectObject(m_dc, std::exchange(m_previous, nullptr));
        }
    }

private:
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// A memory DC that owns the bitmap and font selected into it. What is handed over stays selected until
// it is replaced or the DC goes; the DC's own objects are put back before anything of ours is deleted,
// and a selection the system refuses leaves the previous one in place (the refused object is deleted,
// never one that is still selected).
class MemoryDc {
public:
    MemoryDc() noexcept : m_dc(::CreateCompatibleDC(nullptr)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Get() const noexcept { return m_dc.Get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(m_dc); }
    HBITMAP Bitmap() const noexcept { return m_bitmap.Get(); }
    HFONT Font() const noexcept { return m_font.Get(); }

    bool SelectBitmap(unique_hbitmap bitmap) noexcept {
        return Select(m_bitmap, m_bitmapSelection, std::move(bitmap));
    }
    bool SelectFont(unique_hfont font) noexcept { return Select(m_font, m_fontSelection, std::move(font)); }

private:
    template <typename Owner>
    bool Select(Owner& current, SelectGuard& original, Owner replacement) noexcept {
        if (!m_dc || !replacement) {
            return false;
        }
        if (!original) {
            // The first of its kind: remember the DC's own object to put back at the end.
            SelectGuard selection(m_dc.Get(), replacement.Get());
            if (!selection) {
                return false;
            }
            original = std::move(selection);
        } else {
            const HGDIOBJ previous = ::SelectObject(m_dc.Get(), replacement.Get());
            if (previous == nullptr || previous == HGDI_ERROR) {
                return false;
            }
        }
        current = std::move(replacement);  // the old one is deselected now, so it can go
        return true;
    }

    unique_hdc m_dc;
    unique_hbitmap m_bitmap;
    unique_hfont m_font;
    // After the objects they deselect: destroyed first, so the objects are free when they are deleted.
    SelectGuard m_bitmapSelection;
    SelectGuard m_fontSelection;
};

}  // namespace orvell::win
