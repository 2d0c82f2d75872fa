// How the XP button's setters check, report and redraw a value by its row of the property table, and
// the setters with rules of their own.
#include <type_traits>
#include <utility>

#include "controls/colour_math.h"
#include "controls/xp_button.h"
#include "controls/xp_button_table.h"

namespace orvell::controls {

namespace {

using P = XpButtonProperties;

}  // namespace

VelloXPButton::Verdict VelloXPButton::Judge(const XpProperty& row, double number) const {
    switch (row.check) {
        case XpCheck::None:
            return Verdict::Take;
        case XpCheck::Percent:
            // Written so that a NaN is refused too.
            return number >= 0 && number <= 100 ? Verdict::Take : Verdict::Refuse;
        case XpCheck::Scaled:
            return m_props.pictureScaled ? Verdict::Take : Verdict::Refuse;
        case XpCheck::Types:
            break;
    }
    if (row.takenOn.Has(m_props.type)) {
        return Verdict::Take;
    }
    return row.keptOn.Has(m_props.type) ? Verdict::KeepSilently : Verdict::Refuse;
}

// A refused value leaves the property as it was, yet the host still hears of it.
void VelloXPButton::Conclude(const XpProperty& row, Verdict verdict) {
    switch (verdict) {
        case Verdict::Take:
            Notify(row.key);
            RedrawAfter(row.redraw);
            break;
        case Verdict::KeepSilently:
            break;
        case Verdict::Refuse:
            if (row.toldBeforeBox) {
                Notify(row.key);
            }
            m_host.ShowMessage(kPropertyErrorTitle, row.refusal, MessageIcon::None);
            if (!row.toldBeforeBox) {
                Notify(row.key);
            }
            if (row.redrawsRefused) {
                RedrawAfter(row.redraw);
            }
            break;
    }
}

void VelloXPButton::RedrawAfter(XpRedraw redraw) {
    switch (redraw) {
        case XpRedraw::None:
        case XpRedraw::OwnSetter:
            break;
        case XpRedraw::ReDraw:
            ReDraw(false);
            break;
        case XpRedraw::AttachedArea:
            m_layout.areaWidth = AttachedAreaWidth(m_props.attachedMargin, m_props.attachedWidth);
            Refresh();
            break;
        case XpRedraw::Refresh:
            Refresh();
            break;
    }
}

// ---- Setters with rules of their own ------------------------------------------------------------------

void VelloXPButton::SetColourScheme(std::int32_t scheme) {
    m_props.colourScheme = scheme;
    Notify(kXpKey<&P::colourScheme>);
    if (scheme == 0) {
        for (const XpProperty& row : kXpProperties) {
            if (row.inScheme) {
                ResetToDefault(m_props, row);
                Notify(row.key);
            }
        }
        ReDraw(true);
    } else if (scheme == 1 && m_props.type == xp_type::kXp) {
        m_host.ShowMessage(kPropertyErrorTitle,
                           L"“自定义配色方案”属性对当前按钮类型无效,控件将按“标准配色方案”设置颜色",
                           MessageIcon::Information);
    }
}

void VelloXPButton::SetPicture(PictureRef picture) {
    m_props.picture = std::move(picture);
    Notify(kXpKey<&P::picture>);
    if (m_props.picture && !m_props.pictureScaled) {
        m_props.frameWidth = static_cast<std::int32_t>(m_props.frameMarginLeft) + m_props.frameMarginRight +
                             m_props.picture->Width();
        m_props.frameHeight = static_cast<std::int32_t>(m_props.frameMarginTop) + m_props.frameMarginBottom +
                              m_props.picture->Height();
        Notify(kXpKey<&P::frameWidth>);
        Notify(kXpKey<&P::frameHeight>);
    }
    Refresh();
}

void VelloXPButton::SetEnabled(bool enabled) {
    if (enabled == m_props.enabled) {
        return;
    }
    m_props.enabled = enabled;
    m_host.ApplyEnabled(enabled);
    ReDraw(true);
    Notify(kXpKey<&P::enabled>);
}

void VelloXPButton::SetFont(const FontDescription& font) {
    m_props.font = font;
    m_host.ApplyFont(m_props.font);
    ReDraw(true);
    Notify(kXpKey<&P::font>);
}

void VelloXPButton::ApplyPointer() {
    m_host.ApplyMousePointer(m_props.mousePointer, m_props.mouseIcon.get());
}

void VelloXPButton::SetMouseIcon(PictureRef icon) {
    m_props.mouseIcon = std::move(icon);
    ApplyPointer();
    Notify(kXpKey<&P::mouseIcon>);
}

void VelloXPButton::SetMousePointer(std::int32_t pointer) {
    m_props.mousePointer = pointer;
    ApplyPointer();
    Notify(kXpKey<&P::mousePointer>);
}

// A smooth colour is never set, only derived from its background: the caption's or the picture
// area's.
void VelloXPButton::DeriveSmoothColours(bool caption) {
    const Colour back = caption ? m_props.captionBack : m_props.pictureBack;
    (caption ? m_props.captionBackSmooth : m_props.pictureBackSmooth) = SmoothColour(m_surface.Resolve(back));
    Notify(caption ? kXpKey<&P::captionBackSmooth> : kXpKey<&P::pictureBackSmooth>);
}

void VelloXPButton::SetBackground(bool caption, Colour colour) {
    (caption ? m_props.captionBack : m_props.pictureBack) = colour;
    Notify(caption ? kXpKey<&P::captionBack> : kXpKey<&P::pictureBack>);
    DeriveSmoothColours(caption);
    ReDraw(false);
}

}  // namespace orvell::controls
