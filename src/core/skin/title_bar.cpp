#include "skin/title_bar.h"

#include <charconv>
#include <limits>

namespace orvell::skin {

namespace {

std::optional<TitleButton> ButtonAt(TitleBarPart part) {
    switch (part) {
        case TitleBarPart::MinButton:
            return TitleButton::Min;
        case TitleBarPart::CloseButton:
            return TitleButton::Close;
        case TitleBarPart::Bar:
            break;
    }
    return std::nullopt;
}

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::wstring BackColorText(Colour colour) {
    return std::to_wstring(static_cast<std::int32_t>(colour.Value()));
}

std::optional<Colour> ParseBackColor(std::wstring_view text) {
    text = Trimmed(text);
    std::string narrow;
    for (const wchar_t c : text) {
        if (c != L'-' && c != L'+' && (c < L'0' || c > L'9')) {
            return std::nullopt;
        }
        narrow += static_cast<char>(c);
    }
    const char* first = narrow.data();
    const char* last = first + narrow.size();
    if (first != last && *first == '+') {
        ++first;
    }
    long long value = 0;
    const std::from_chars_result result = std::from_chars(first, last, value);
    if (first == last || result.ec != std::errc() || result.ptr != last ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    // Both ways of writing a system colour name the same value: -2147483633 and 2147483663.
    return Colour(static_cast<std::uint32_t>(value));
}

BFormProperties RestoreBForm(const controls::PropertyBag& bag) {
    BFormProperties properties;
    if (const std::optional<std::wstring> text = bag.RawValue(bform_key::kBackColor)) {
        if (const std::optional<Colour> colour = ParseBackColor(*text)) {
            properties.backColor = *colour;
        } else {
            bag.ReportProblem(0, L"\"" + std::wstring(bform_key::kBackColor) + L"\": \"" + *text +
                                     L"\" is not a colour number; the default is used");
        }
    }
    properties.caption = bag.Read<std::wstring>(bform_key::kCaption, std::wstring(kDefaultCaption));
    return properties;
}

void SaveBForm(const BFormProperties& properties, controls::PropertyBag& bag) {
    bag.Write<std::wstring>(bform_key::kBackColor, BackColorText(properties.backColor),
                            BackColorText(kDefaultBackColor));
    bag.Write<std::wstring>(bform_key::kCaption, properties.caption, std::wstring(kDefaultCaption));
}

std::wstring_view TitleBarTooltip(TitleButton button, std::int32_t languageSetting) {
    const bool english = languageSetting != 0;
    if (button == TitleButton::Min) {
        return english ? L"Minimize" : L"最小化";
    }
    return english ? L"Exit" : L"退出";
}

void TitleBarInput::OnMove(TitleBarPart part) {
    if (m_held) {
        LookOf(*m_held) = ButtonAt(part) == m_held ? ButtonLook::Pressed : ButtonLook::Idle;
        return;
    }
    const std::optional<TitleButton> over = ButtonAt(part);
    m_minLook = over == TitleButton::Min ? ButtonLook::Hover : ButtonLook::Idle;
    m_closeLook = over == TitleButton::Close ? ButtonLook::Hover : ButtonLook::Idle;
}

void TitleBarInput::OnLeave() {
    if (!m_held) {
        m_minLook = ButtonLook::Idle;
        m_closeLook = ButtonLook::Idle;
    }
}

std::optional<TitleBarEvent> TitleBarInput::OnDown(int button, int shift, Point at, TitleBarPart part) {
    if (m_held) {
        return std::nullopt;
    }
    if (const std::optional<TitleButton> pressed = ButtonAt(part)) {
        // The buttons answer the left button only.
        if (button == kLeftMouseButton) {
            m_held = pressed;
            m_minLook = ButtonLook::Idle;
            m_closeLook = ButtonLook::Idle;
            LookOf(*pressed) = ButtonLook::Pressed;
        }
        return std::nullopt;
    }
    return TitleBarEvent{TitleBarEventKind::MouseDown, button, shift, at};
}

std::optional<TitleBarEvent> TitleBarInput::OnUp(int button, TitleBarPart part) {
    if (button != kLeftMouseButton || !m_held) {
        return std::nullopt;
    }
    const TitleButton released = *m_held;
    m_held.reset();
    LookOf(released) = ButtonLook::Idle;
    if (ButtonAt(part) != released) {
        return std::nullopt;
    }
    return TitleBarEvent{released == TitleButton::Min ? TitleBarEventKind::MinClick
                                                      : TitleBarEventKind::CloseClick};
}

std::optional<TitleBarEvent> TitleBarInput::OnDoubleClick(int button, int shift, Point at,
                                                          TitleBarPart part) {
    if (button != kLeftMouseButton || ButtonAt(part)) {
        return OnDown(button, shift, at, part);
    }
    if (m_held) {
        return std::nullopt;
    }
    return TitleBarEvent{TitleBarEventKind::DblClick};
}

void TitleBarInput::OnCaptureLost() {
    if (m_held) {
        LookOf(*m_held) = ButtonLook::Idle;
        m_held.reset();
    }
}

}  // namespace orvell::skin
