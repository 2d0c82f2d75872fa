#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "controls/xp_check_box.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"
#include "platform/window.h"

namespace orvell::win {

// The check box's image strips, the bitmap resources XPCHECKBOX0 to XPCHECKBOX13 of a module
// (res/check_box.rc), each loaded the first time it is shown; above 96 dpi those drawn for the size
// skin::ArtScaleFor picks (XPCHECKBOX0_150 ...), with larger cells.
class ResourceCheckBoxArt final : public controls::CheckBoxArt {
public:
    explicit ResourceCheckBoxArt(HINSTANCE module = ::GetModuleHandleW(nullptr), int dpi = 96);

    std::span<const Colour> Strip(int index) override;
    int CellSize() const override { return m_cellSize; }

private:
    HINSTANCE m_module;
    int m_scale;
    int m_cellSize;
    std::array<std::vector<Colour>, controls::check_box_art::kStripCount> m_strips;
    std::array<bool, controls::check_box_art::kStripCount> m_tried{};
};

// The window of an XP-style check box (XpCheckBox): a child window that feeds the check box its input,
// runs its hover timer and paints it.
//
// To screen readers and automation it is a check box: its window text is the caption (an "&" marking
// its access key), BM_GETCHECK and BM_SETCHECK read and set the value (BST_UNCHECKED, BST_CHECKED,
// BST_INDETERMINATE for grey), BM_CLICK clicks it, and its accessible object has the check box's
// role, checked or mixed state and default action. It is a tab stop, and Space toggles it.
//
// Access keys: the top-level window passes Alt plus a character to HandleAccessKey, as for the XP
// buttons.
class XpCheckBoxWindow final : public Window, private controls::XpCheckBoxHost {
public:
    XpCheckBoxWindow();

    // A new check box, unchecked, with a caption in a font, at bounds in the parent's client pixels.
    // False when the window exists already or the system refuses.
    bool Create(HWND parent, int id, const Rect& bounds, std::wstring_view caption,
                const controls::FontDescription& font);
    // A check box restored from a saved design (see PropertyBag for the text form); what the design
    // could not give is listed in its Problems() and takes the default.
    bool Create(HWND parent, int id, const Rect& bounds, const controls::FontDescription& hostFont,
                const controls::PropertyBag& design);

    // 0 unchecked, 1 checked, 2 grey.
    std::int32_t Value() const { return m_box.Properties().value; }
    // Calls no handler, as the system's check boxes send no notification for BM_SETCHECK. False, and
    // nothing changes, for another value.
    bool SetValue(std::int32_t value) { return m_box.SetValue(value); }
    // Called with the new value each time a click (mouse, Space, access key, BM_CLICK) changed it. The
    // handler must not destroy this object.
    void SetChangeHandler(std::function<void(std::int32_t value)> handler) {
        m_onChange = std::move(handler);
    }
    // A host that wants every event gives its own sink; null takes it away. The sink must outlive the
    // check box or be taken away first.
    void SetEventSink(controls::XpCheckBoxEvents* sink) { m_box.SetEvents(sink); }

    // The check box's properties and state.
    controls::XpCheckBox& CheckBox() { return m_box; }
    const controls::XpCheckBox& CheckBox() const { return m_box; }

    // The parent moved to a screen of another DPI: the cells drawn for it and the caption font at it.
    void ChangeDpi(Dpi dpi);

    // Alt plus key: focuses and clicks the check box when its caption marks that key and it takes input
    // (visible and enabled). True when it did.
    bool HandleAccessKey(wchar_t key);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateWindowFor(HWND parent, int id, const Rect& bounds);
    void OnPaint();
    void OnMouseButton(std::int16_t button, WPARAM wParam, LPARAM lParam, bool down);
    void OnTimer();
    void OnBmClick();
    void TakeFocus();
    void ShowWindowText();

    // XpCheckBoxHost
    void PropertyChanged(std::wstring_view name) override;
    void ApplyEnabled(bool enabled) override;
    void ApplyFont(const controls::FontDescription& font) override;
    controls::TextExtent MeasureCaption(std::wstring_view caption) override;
    void StartHoverTimer() override;
    void StopHoverTimer() override;
    void Invalidate() override;
    void ValueClicked() override;

    MemoryDc m_surface;  // the caption font is selected here; a bitmap of the client's size while painting
    ResourceCheckBoxArt m_art;
    controls::XpCheckBox m_box;
    std::function<void(std::int32_t)> m_onChange;
    bool m_leftDown = false;  // the left button went down here, and its release here is a click
};

}  // namespace orvell::win
