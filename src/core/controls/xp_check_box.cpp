// The check box's properties, how it starts and saves itself, which cell it shows, where its parts lie
// and how it paints them.
#include "controls/xp_check_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/access_key.h"

namespace orvell::controls {

namespace {

constexpr int kLabelGap = 3;  // pixels between the box and the label

// The saved properties in the order they are restored and saved, each with its default. Restoring
// and saving both walk this list, so a key and its default are written down once.
template <typename Properties, typename Visit>
void ForEachSaved(Properties& props, const XpCheckBoxProperties& defaults, Visit&& visit) {
    visit(check_box_key::kEnabled, props.enabled, defaults.enabled);
    visit(check_box_key::kCheckBoxLook, props.checkBoxLook, defaults.checkBoxLook);
    visit(check_box_key::kValue, props.value, defaults.value);
    // The default stays "CheckBox1" when saving too: a caption equal to the host's name for the
    // control would otherwise be left out and come back as "CheckBox1".
    visit(check_box_key::kCaption, props.caption, defaults.caption);
    visit(check_box_key::kBackColor, props.backColor, defaults.backColor);
    visit(check_box_key::kFont, props.font, defaults.font);
    visit(check_box_key::kForeColor, props.foreColor, defaults.foreColor);
}

bool IsLook(std::int32_t look) {
    return look >= 0 && look < check_box_art::kStripCount;
}

bool IsValue(std::int32_t value) {
    return value >= check_value::kUnchecked && value <= check_value::kGrey;
}

// Keeps a restored number in its range: one out of it takes the default, and the bag says so.
void KeepInRange(const PropertyBag& bag, std::wstring_view key, std::int32_t& number, std::int32_t fallback,
                 bool (*valid)(std::int32_t), std::wstring_view range) {
    if (!valid(number)) {
        bag.ReportProblem(0, L"\"" + std::wstring(key) + L"\": " + std::to_wstring(number) + L" is not " +
                                 std::wstring(range) + L"; " + std::to_wstring(fallback) + L" is used");
        number = fallback;
    }
}

}  // namespace

// ---- Starting and saving --------------------------------------------------------------------------

void XpCheckBox::InitNew(std::wstring_view hostName, const FontDescription& hostFont) {
    m_props = XpCheckBoxProperties{};
    m_props.caption = std::wstring(hostName);
    m_props.font = hostFont;
    ApplyAll();
}

void XpCheckBox::Restore(const PropertyBag& bag, const FontDescription& hostFont) {
    XpCheckBoxProperties defaults;
    defaults.font = hostFont;
    XpCheckBoxProperties read = defaults;
    ForEachSaved(read, defaults, [&](std::wstring_view key, auto& value, const auto& fallback) {
        value = bag.Read(key, fallback);
    });
    KeepInRange(bag, check_box_key::kCheckBoxLook, read.checkBoxLook, defaults.checkBoxLook, IsLook,
                L"a strip from 0 to 13");
    KeepInRange(bag, check_box_key::kValue, read.value, defaults.value, IsValue, L"0, 1 or 2");
    m_props = std::move(read);
    ApplyAll();
}

void XpCheckBox::Save(PropertyBag& bag, const FontDescription& hostFont) const {
    XpCheckBoxProperties defaults;
    defaults.font = hostFont;
    ForEachSaved(m_props, defaults, [&](std::wstring_view key, const auto& value, const auto& fallback) {
        bag.Write(key, value, fallback);
    });
}

void XpCheckBox::ApplyAll() {
    m_host.ApplyEnabled(m_props.enabled);
    m_host.ApplyFont(m_props.font);
    Arrange();
    RefreshLook();
}

bool XpCheckBox::HasAccessKey(wchar_t key) const {
    return app::CaptionHasAccessKey(m_props.caption, key);
}

// ---- Setters ----------------------------------------------------------------------------------------

void XpCheckBox::SetEnabled(bool enabled) {
    m_props.enabled = enabled;
    m_host.ApplyEnabled(enabled);
    RefreshLook();
    m_host.PropertyChanged(check_box_key::kEnabled);
}

bool XpCheckBox::SetCheckBoxLook(std::int32_t look) {
    if (!IsLook(look)) {
        return false;
    }
    m_props.checkBoxLook = look;
    m_host.PropertyChanged(check_box_key::kCheckBoxLook);
    RefreshLook();
    return true;
}

bool XpCheckBox::SetValue(std::int32_t value) {
    if (!IsValue(value)) {
        return false;
    }
    m_props.value = value;
    ShowNormal();
    m_host.PropertyChanged(check_box_key::kValue);
    return true;
}

void XpCheckBox::SetCaption(std::wstring_view caption) {
    m_props.caption = std::wstring(caption);
    Arrange();
    m_host.PropertyChanged(check_box_key::kCaption);
}

void XpCheckBox::SetBackColor(Colour colour) {
    m_props.backColor = colour;
    m_host.PropertyChanged(check_box_key::kBackColor);
    m_host.Invalidate();
}

void XpCheckBox::SetFont(const FontDescription& font) {
    m_props.font = font;
    m_host.ApplyFont(font);
    Arrange();
    m_host.PropertyChanged(check_box_key::kFont);
}

void XpCheckBox::SetForeColor(Colour colour) {
    m_props.foreColor = colour;
    RefreshLook();
    m_host.PropertyChanged(check_box_key::kForeColor);
}

// ---- Which cell shows ---------------------------------------------------------------------------------

void XpCheckBox::Show(int cell) {
    if (cell != m_displayed) {
        m_displayed = cell;
        m_host.Invalidate();
    }
}

void XpCheckBox::ShowNormal() {
    if (!m_props.enabled) {
        ShowDisabled();
        return;
    }
    Show(CellOf(m_props.value, BoxLook::Normal));
}

void XpCheckBox::ShowDisabled() {
    Show(CellOf(m_props.value, BoxLook::Disabled));
}

void XpCheckBox::RefreshLook() {
    if (m_props.enabled) {
        ShowNormal();
    } else {
        ShowDisabled();
        StopTimer();
    }
    m_host.Invalidate();  // the caption's colour follows
}

void XpCheckBox::StartTimer() {
    if (!m_timerRunning) {
        m_timerRunning = true;
        m_host.StartHoverTimer();
    }
}

void XpCheckBox::StopTimer() {
    if (m_timerRunning) {
        m_timerRunning = false;
        m_host.StopHoverTimer();
    }
}

// ---- Arrangement and painting -----------------------------------------------------------------------

void XpCheckBox::OnResize(int width, int height) {
    m_width = width;
    m_height = height;
    Arrange();
}

void XpCheckBox::SetCellSize(int cellSize) {
    m_cellSize = cellSize;
    Arrange();
}

void XpCheckBox::Arrange() {
    const TextExtent text = m_host.MeasureCaption(m_props.caption);
    // Halved with the remainder dropped, towards zero, also when the control is lower than its parts.
    const int boxTop = (m_height - m_cellSize) / 2;
    const int labelTop = (m_height - text.height) / 2;
    const int labelLeft = m_cellSize + kLabelGap;
    m_layout.box = Rect{0, boxTop, m_cellSize, boxTop + m_cellSize};
    m_layout.label = Rect{labelLeft, labelTop, labelLeft + text.width, labelTop + text.height};
    m_host.Invalidate();
}

void XpCheckBox::Paint(Canvas& canvas, CheckBoxArt& art) const {
    canvas.Fill(Rect{0, 0, m_width, m_height}, m_props.backColor);
    DrawBox(canvas, art.Strip(m_props.checkBoxLook));
    const Colour text = m_props.enabled ? m_props.foreColor : Colour::System(system_colour::kGrayText);
    canvas.Text(m_props.caption, m_layout.label, text_format::kSingleLine, text);
    if (m_focused && !m_props.caption.empty()) {
        // Keyboard users see where the focus is, as on the system's check boxes: the box's own looks
        // go back to normal after every click.
        const Rect& l = m_layout.label;
        canvas.FocusRect(Rect{l.left - 1, std::max(l.top - 1, 0), std::min(l.right + 1, m_width),
                              std::min(l.bottom + 1, m_height)});
    }
}

void XpCheckBox::DrawBox(Canvas& canvas, std::span<const Colour> strip) const {
    const int cell = m_cellSize;
    const int stripWidth = cell * check_box_art::kCellCount;
    if (strip.size() != static_cast<std::size_t>(stripWidth * cell) || m_displayed < 0 ||
        m_displayed >= check_box_art::kCellCount) {
        return;
    }
    const Rect& box = m_layout.box;
    std::vector<Colour> pixels = canvas.ReadPixels(box);
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const Colour pixel = strip[static_cast<std::size_t>(y * stripWidth + m_displayed * cell + x)];
            if (pixel != check_box_art::kTransparent) {
                pixels[static_cast<std::size_t>(y * cell + x)] = pixel;
            }
        }
    }
    canvas.WritePixels(box, pixels);
}

}  // namespace orvell::controls
