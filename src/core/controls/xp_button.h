#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/canvas.h"
#include "controls/property_bag.h"
#include "controls/xp_button_host.h"
#include "controls/xp_button_properties.h"
#include "controls/xp_button_table.h"

namespace orvell::controls {

// Where the parts of the face lie, recomputed by the layout step.
struct XpButtonLayout {
    Rect client{0, 0, -1, -1};  // (0, 0, w - 1, h - 1)
    Rect pictureArea;           // for the picture
    Rect captionArea;           // for the caption
    Rect attachedArea;          // strip at the right edge for the attached picture, or empty
    Rect frameInner;            // the picture area inside the picture-frame margins
    Rect captionInner;          // the caption area inside the caption margins
    Rect captionRect;           // where the caption is drawn
    unsigned captionFormat = 0;
    int captionHeight = 0;
    Rect pictureRect;            // where the picture is drawn; separator line or grip strip for types 5, 6
    std::int16_t areaWidth = 0;  // width of the attached area
    bool valid = false;          // the face is large enough for its type
    bool hasPictureArea = false;
    bool hasCaptionArea = false;
};

// The program's owner-drawn push button in seven styles. It keeps the properties, lays out and draws
// its face on the surface it is given, and turns the window's input into its state and events. The
// window that carries it (the host) supplies the surface, the platform's services and its input.
//
// Each setter sets the property of its name (XpButtonProperties); the property table
// (xp_button_table.h) gives its public name and what its setter checks and redraws. "Integer"
// properties are 16-bit, as saved.
class VelloXPButton {
public:
    VelloXPButton(XpButtonHost& host, Canvas& surface) : m_host(host), m_surface(surface) {}
    VelloXPButton(const VelloXPButton&) = delete;
    VelloXPButton& operator=(const VelloXPButton&) = delete;

    // Null for none. The events object must outlive the button or be taken away first.
    void SetEvents(XpButtonEvents* events) { m_events = events != nullptr ? events : &m_noEvents; }

    // A newly placed button: the defaults, with the host's name as caption and the host's font.
    void InitNew(std::wstring_view hostName, const FontDescription& hostFont);
    // Takes the saved properties; a missing or unreadable value gives the default (the bag lists what
    // could not be read). Pictures come from the source by the names the bag gives.
    void Restore(const PropertyBag& bag, std::wstring_view hostName, const FontDescription& hostFont,
                 PictureSource& pictures);
    void Save(PropertyBag& bag, std::wstring_view hostName, const FontDescription& hostFont) const;

    const XpButtonProperties& Properties() const { return m_props; }
    const XpButtonLayout& Layout() const { return m_layout; }
    // The upper-case characters that, with Alt, click the button.
    const std::wstring& AccessKeys() const { return m_accessKeys; }
    bool HasAccessKey(wchar_t key) const;
    bool Pressed() const { return m_pressed; }
    bool Hovered() const { return m_hovered; }
    bool Focused() const { return m_focused; }
    bool SamePicture() const { return m_samePicture; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Reading these background colours also derives their smooth colours again (and tells the host).
    Colour CaptionBack() {
        DeriveSmoothColours(true);
        return m_props.captionBack;
    }
    Colour PictureBack() {
        DeriveSmoothColours(false);
        return m_props.pictureBack;
    }

    // Setters with rules of their own.
    void SetType(std::int32_t type);
    void SetColourScheme(std::int32_t scheme);
    void SetPicture(PictureRef picture);
    void SetAttachedPicture(PictureRef picture);
    void SetEnabled(bool enabled);
    void SetFont(const FontDescription& font);
    // The parts of the font; each is a change of the font.
    void SetFontUnderline(bool on) { ChangeFont(&FontDescription::underline, on); }
    void SetFontStrikethru(bool on) { ChangeFont(&FontDescription::strikethrough, on); }
    void SetFontSize(float points) { ChangeFont(&FontDescription::size, points); }
    void SetFontName(std::wstring_view name) { ChangeFont(&FontDescription::name, std::wstring(name)); }
    void SetFontItalic(bool on) { ChangeFont(&FontDescription::italic, on); }
    void SetFontBold(bool on) { ChangeFont(&FontDescription::bold, on); }
    void SetMouseIcon(PictureRef icon);
    void SetMousePointer(std::int32_t pointer);
    void SetCaptionBack(Colour colour) { SetBackground(true, colour); }
    void SetPictureBack(Colour colour) { SetBackground(false, colour); }
    // The smooth colours always follow their backgrounds: the value given is dropped.
    void SetCaptionBackSmooth(Colour) {
        DeriveSmoothColours(true);
        ReDraw(false);
    }
    void SetPictureBackSmooth(Colour) {
        DeriveSmoothColours(false);
        ReDraw(false);
    }

    // Setters that check, store, tell the host and redraw as the row of their property says. The
    // access-key text (SetAccessKeyText) takes effect at the next restore.
    void SetCaptionPercent(double percent) { Set<&P::captionPercent>(percent); }
    void SetCaptionAlignment(std::int32_t value) { Set<&P::captionAlignment>(value); }
    void SetCaptionPosition(std::int32_t value) { Set<&P::captionPosition>(value); }
    void SetHoverSound(std::wstring_view path) { Set<&P::hoverSound>(std::wstring(path)); }
    void SetClickSound(std::wstring_view path) { Set<&P::clickSound>(std::wstring(path)); }
    void SetHoverPicture(PictureRef picture) { Set<&P::hoverPicture>(std::move(picture)); }
    void SetPictureAlignment(std::int32_t value) { Set<&P::pictureAlignment>(value); }
    void SetCaption(std::wstring_view caption) { Set<&P::caption>(std::wstring(caption)); }
    void SetCaptionBackPressed(Colour colour) { Set<&P::captionBackPressed>(colour); }
    void SetCaptionBackHover(Colour colour) { Set<&P::captionBackHover>(colour); }
    void SetCaptionMarginBottom(std::int16_t value) { Set<&P::captionMarginBottom>(value); }
    void SetCaptionMarginTop(std::int16_t value) { Set<&P::captionMarginTop>(value); }
    void SetCaptionMarginLeft(std::int16_t value) { Set<&P::captionMarginLeft>(value); }
    void SetCaptionMarginRight(std::int16_t value) { Set<&P::captionMarginRight>(value); }
    void SetCaptionText(Colour colour) { Set<&P::captionText>(colour); }
    void SetCaptionTextPressed(Colour colour) { Set<&P::captionTextPressed>(colour); }
    void SetCaptionTextHover(Colour colour) { Set<&P::captionTextHover>(colour); }
    void SetCaptionPressedSwitch(bool on) { Set<&P::captionPressedSwitch>(on); }
    void SetCaptionSmoothSwitch(bool on) { Set<&P::captionSmoothSwitch>(on); }
    void SetCaptionWordWrap(bool on) { Set<&P::captionWordWrap>(on); }
    void SetCaptionVisible(bool on) { Set<&P::captionVisible>(on); }
    void SetBorderColour(Colour colour) { Set<&P::borderColour>(colour); }
    void SetBorderHoverSwitch(bool on) { Set<&P::borderHoverSwitch>(on); }
    void SetNoDisabledLook(bool on) { Set<&P::noDisabledLook>(on); }
    void SetAttachedMargin(std::int16_t value) { Set<&P::attachedMargin>(value); }
    void SetAttachedWidth(std::int16_t value) { Set<&P::attachedWidth>(value); }
    void SetAttachedHeight(std::int16_t value) { Set<&P::attachedHeight>(value); }
    void SetGripSpacing(std::int16_t value) { Set<&P::gripSpacing>(value); }
    void SetGripWidth(std::int16_t value) { Set<&P::gripWidth>(value); }
    void SetToolbarColour(Colour colour) { Set<&P::toolbarColour>(colour); }
    void SetFocusInset(std::int16_t value) { Set<&P::focusInset>(value); }
    void SetFocusRectVisible(bool on) { Set<&P::focusRectVisible>(on); }
    void SetAccessKeyText(std::wstring_view keys) { Set<&P::accessKeyText>(std::wstring(keys)); }
    void SetPictureForeSwitch(bool on) { Set<&P::pictureForeSwitch>(on); }
    void SetPictureFore(Colour colour) { Set<&P::pictureFore>(colour); }
    void SetPictureScaled(bool on) { Set<&P::pictureScaled>(on); }
    void SetPictureBackPressed(Colour colour) { Set<&P::pictureBackPressed>(colour); }
    void SetPictureBackHover(Colour colour) { Set<&P::pictureBackHover>(colour); }
    void SetPicturePressedSwitch(bool on) { Set<&P::picturePressedSwitch>(on); }
    void SetPictureSmoothSwitch(bool on) { Set<&P::pictureSmoothSwitch>(on); }
    void SetFrameBack(Colour colour) { Set<&P::frameBack>(colour); }
    void SetFrameBackSwitch(bool on) { Set<&P::frameBackSwitch>(on); }
    void SetFrameHeight(std::int32_t value) { Set<&P::frameHeight>(value); }
    void SetFrameWidth(std::int32_t value) { Set<&P::frameWidth>(value); }
    void SetFrameMarginBottom(std::int16_t value) { Set<&P::frameMarginBottom>(value); }
    void SetFrameMarginTop(std::int16_t value) { Set<&P::frameMarginTop>(value); }
    void SetFrameMarginLeft(std::int16_t value) { Set<&P::frameMarginLeft>(value); }
    void SetFrameMarginRight(std::int16_t value) { Set<&P::frameMarginRight>(value); }
    void SetFrameEffect(std::int32_t value) { Set<&P::frameEffect>(value); }
    void SetShadowLength(std::int16_t value) { Set<&P::shadowLength>(value); }
    void SetShadowColour(Colour colour) { Set<&P::shadowColour>(colour); }
    void SetShadowSwitch(bool on) { Set<&P::shadowSwitch>(on); }

    // Lays the face out again and draws all of it.
    void Refresh();
    // Draws the face for the current state. Without force the XP type repaints only what differs
    // between its states.
    void ReDraw(bool force = false);

    // The window's input, already turned into the button's terms: pixels relative to the control,
    // mouse buttons and modifier bits as in xp_button_host.h, virtual-key codes and characters.
    void OnResize(int width, int height);
    void OnPaint() { Refresh(); }
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    // Whether a point relative to the control is over it; the far edges count as inside, so a release
    // there still clicks.
    bool Contains(float x, float y) const { return x >= 0 && x <= m_width && y >= 0 && y <= m_height; }
    // A click of any kind: the mouse released over the button, Enter, Space, an access key.
    void OnClick();
    void OnDoubleClick();
    void OnGotFocus();
    void OnLostFocus();
    void OnKeyDown(std::int16_t keyCode, std::int16_t shift);
    void OnKeyPress(std::int16_t keyAscii);
    void OnKeyUp(std::int16_t keyCode, std::int16_t shift);
    // Alt and one of the access keys.
    void OnAccessKey(wchar_t key);

private:
    using P = XpButtonProperties;
    enum class Verdict { Take, KeepSilently, Refuse };

    // Stores a value as the property's row in the table says: checked against the type or the value,
    // told to the host, redrawn.
    template <auto Member>
    void Set(XpValueOf<Member> value);
    Verdict Judge(const XpProperty& row, double number) const;
    void Conclude(const XpProperty& row, Verdict verdict);
    void RedrawAfter(XpRedraw redraw);
    void Notify(std::wstring_view key) { m_host.PropertyChanged(key); }
    template <typename T>
    void ChangeFont(T FontDescription::*part, T value);
    void ApplyPlatform();
    void ApplyPointer();
    void StoreAttachedArea(const AttachedArea& area);
    void NotifyAttachedArea();
    void DeriveSmoothColours(bool caption);
    void SetBackground(bool caption, Colour colour);
    void Disable();

    // Layout.
    void RunLayout();
    void LayoutPushTypes();
    void LayoutSplit();
    void PlaceCaption();
    void PlacePicture();
    bool ChevronFits() const;
    void RelayoutWithoutPicture();

    // Painting.
    void DrawBody(bool force);
    void DrawXpBody(bool force);
    void DrawFlatBody();
    void DrawToolbarBody();
    void DrawSeparatorBody();
    void DrawGripBody();
    void DrawCaption();
    void DrawPictures(bool force);
    void DrawPictureFrame();
    bool DisabledLook() const { return !m_props.enabled && !m_props.noDisabledLook; }

    void PlayHoverSound();
    void PlayClickSound();

    XpButtonHost& m_host;
    Canvas& m_surface;
    XpButtonEvents m_noEvents;
    XpButtonEvents* m_events = &m_noEvents;

    XpButtonProperties m_props;
    XpButtonLayout m_layout;
    std::wstring m_accessKeys;
    bool m_samePicture = false;

    int m_width = 0;
    int m_height = 0;
    bool m_pressed = false;
    bool m_hovered = false;
    bool m_focused = false;
    std::int16_t m_lastKeyDown = 0;
};

template <auto Member>
void VelloXPButton::Set(XpValueOf<Member> value) {
    constexpr const XpProperty& row = XpRow<Member>;
    static_assert(row.redraw != XpRedraw::OwnSetter, "this property's setter has rules of its own");
    double number = 0;
    if constexpr (std::is_arithmetic_v<XpValueOf<Member>>) {
        number = static_cast<double>(value);
    }
    const Verdict verdict = Judge(row, number);
    if (verdict != Verdict::Refuse) {
        m_props.*Member = std::move(value);
    }
    Conclude(row, verdict);
}

template <typename T>
void VelloXPButton::ChangeFont(T FontDescription::*part, T value) {
    FontDescription font = m_props.font;
    font.*part = std::move(value);
    SetFont(font);
}

}  // namespace orvell::controls
