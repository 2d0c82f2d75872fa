#include "skin/mem_dc.h"

#include <algorithm>

namespace orvell::win {

HDC cMemDC::hdc() const noexcept {
    return m_dc ? m_dc->Get() : nullptr;
}

void cMemDC::Width(int lW) {
    Grow(lW, m_height);
}

void cMemDC::Height(int lH) {
    Grow(m_width, lH);
}

void cMemDC::Grow(int lW, int lH) {
    if (lW > m_width || lH > m_height) {
        Create(std::max(lW, m_width), std::max(lH, m_height));
    }
}

void cMemDC::Create(int width, int height) {
    m_dc.reset();
    m_width = 0;
    m_height = 0;
    const ClientDc screen(nullptr);
    m_dc.emplace();
    if (!m_dc->SelectBitmap(unique_hbitmap(::CreateCompatibleBitmap(screen.Get(), width, height)))) {
        m_dc.reset();
        return;
    }
    m_width = width;
    m_height = height;
}

void cMemDC::CreateFromPicture(HBITMAP sPic) {
    BITMAP picture{};
    if (sPic == nullptr || ::GetObjectW(sPic, sizeof picture, &picture) == 0) {
        return;
    }
    Grow(picture.bmWidth, picture.bmHeight);
    if (!m_dc) {
        return;
    }
    const unique_hdc source(::CreateCompatibleDC(m_dc->Get()));
    const SelectGuard selection(source.Get(), sPic);
    if (selection) {
        ::BitBlt(m_dc->Get(), 0, 0, picture.bmWidth, picture.bmHeight, source.Get(), 0, 0, SRCCOPY);
    }
}

}  // namespace orvell::win
