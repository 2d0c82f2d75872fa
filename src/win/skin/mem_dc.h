#pragma once

#include <windows.h>

#include <optional>

#include "platform/unique_handle.h"

namespace orvell::win {

// An off-screen surface compatible with the screen that only grows: a size below the current one keeps
// the surface and what is drawn on it; a larger one makes a new, blank surface. Empty (hdc null, size
// 0 × 0) until the first size is set, and again when the system refuses the bitmap.
class cMemDC {
public:
    cMemDC() = default;
    cMemDC(const cMemDC&) = delete;
    cMemDC& operator=(const cMemDC&) = delete;

    // Grows the surface to the bitmap's size as needed and copies the bitmap to its top-left corner.
    void CreateFromPicture(HBITMAP sPic);
    HDC hdc() const noexcept;
    int Width() const noexcept { return m_width; }
    void Width(int lW);
    int Height() const noexcept { return m_height; }
    void Height(int lH);
    // Both at once, with one new surface at most.
    void Grow(int lW, int lH);

private:
    void Create(int width, int height);

    std::optional<MemoryDc> m_dc;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace orvell::win
