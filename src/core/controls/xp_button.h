#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/canvas.h"
#include "controls/property_bag.h"
#include "controls/xp_button_host.h"
#include "controls/xp_button_properties.h"

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
// Property names follow the public names in xp_key; each setter below names its key. "Integer"
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
    Colour CaptionBack();  // 标题_背景色
    Colour PictureBack();  // 图片区_背景色

    void SetType(std::int32_t type);                  // Button_类型
    void SetCaptionPercent(double percent);           // Button标题区百分比
    void SetCaptionAlignment(std::int32_t value);     // Button标题区内布置方式
    void SetCaptionPosition(std::int32_t value);      // Button标题区位置
    void SetColourScheme(std::int32_t scheme);        // Button配色方案
    void SetHoverSound(std::wstring_view path);       // Button声音_选中时
    void SetClickSound(std::wstring_view path);       // Button声音_执行时
    void SetPicture(PictureRef picture);              // Button图片_常显
    void SetAttachedPicture(PictureRef picture);      // Button图片_附加区
    void SetHoverPicture(PictureRef picture);         // Button图片_选中
    void SetPictureAlignment(std::int32_t value);     // Button图片区内布置方式
    void SetCaption(std::wstring_view caption);       // caption ("Caption")
    void SetEnabled(bool enabled);                    // Enabled
    void SetFont(const FontDescription& font);        // Font
    void SetFontUnderline(bool on);                   // FontUnderline
    void SetFontStrikethru(bool on);                  // FontStrikethru
    void SetFontSize(float points);                   // FontSize
    void SetFontName(std::wstring_view name);         // FontName
    void SetFontItalic(bool on);                      // FontItalic
    void SetFontBold(bool on);                        // FontBold
    void SetMouseIcon(PictureRef icon);               // MouseIcon
    void SetMousePointer(std::int32_t pointer);       // MousePointer
    void SetCaptionBack(Colour colour);               // 标题_背景色
    void SetCaptionBackPressed(Colour colour);        // 标题_背景色_按下时
    void SetCaptionBackSmooth(Colour ignored);        // 标题_背景色_平滑色 (always derived)
    void SetCaptionBackHover(Colour colour);          // 标题_背景色_选中时
    void SetCaptionMarginBottom(std::int16_t value);  // 标题_留空_底部
    void SetCaptionMarginTop(std::int16_t value);     // 标题_留空_顶部
    void SetCaptionMarginLeft(std::int16_t value);    // 标题_留空_左侧
    void SetCaptionMarginRight(std::int16_t value);   // 标题_留空_右侧
    void SetCaptionText(Colour colour);               // 标题_文字色
    void SetCaptionTextPressed(Colour colour);        // 标题_文字色_按下时
    void SetCaptionTextHover(Colour colour);          // 标题_文字色_选中时
    void SetCaptionPressedSwitch(bool on);            // 标题_文字色开关_按下时
    void SetCaptionSmoothSwitch(bool on);             // 标题_文字色开关_平滑色
    void SetCaptionWordWrap(bool on);                 // 标题_文字自动换行
    void SetCaptionVisible(bool on);                  // 标题显示开关
    void SetBorderColour(Colour colour);              // 边框色
    void SetBorderHoverSwitch(bool on);               // 边框显示开关_选中时
    void SetNoDisabledLook(bool on);                  // 关闭DisEnabled效果
    void SetAttachedMargin(std::int16_t value);       // 附加区周边留空
    void SetAttachedWidth(std::int16_t value);        // 附加图片宽
    void SetAttachedHeight(std::int16_t value);       // 附加图片高
    void SetGripSpacing(std::int16_t value);          // 工具条_句柄划线间距
    void SetGripWidth(std::int16_t value);            // 工具条_句柄符宽度
    void SetToolbarColour(Colour colour);             // 工具条_前景色
    void SetFocusInset(std::int16_t value);           // 焦点框内移距离
    void SetFocusRectVisible(bool on);                // 焦点框显示开关
    void SetAccessKeyText(std::wstring_view keys);    // 热键 (the access keys follow at the next restore)
    void SetPictureForeSwitch(bool on);               // 图片_前景色开关
    void SetPictureFore(Colour colour);               // 图片_前景色
    void SetPictureScaled(bool on);                   // 图片_缩放开关
    void SetPictureBack(Colour colour);               // 图片区_背景色
    void SetPictureBackPressed(Colour colour);        // 图片区_背景色_按下时
    void SetPictureBackSmooth(Colour ignored);        // 图片区_背景色_平滑色 (always derived)
    void SetPictureBackHover(Colour colour);          // 图片区_背景色_选中时
    void SetPicturePressedSwitch(bool on);            // 图片区_背景色开关_按下时
    void SetPictureSmoothSwitch(bool on);             // 图片区_背景色开关_平滑色
    void SetFrameBack(Colour colour);                 // 图片框_背景色
    void SetFrameBackSwitch(bool on);                 // 图片框_背景色开关
    void SetFrameHeight(std::int32_t value);          // 图片框_高
    void SetFrameWidth(std::int32_t value);           // 图片框_宽
    void SetFrameMarginBottom(std::int16_t value);    // 图片框_框内留空_底部
    void SetFrameMarginTop(std::int16_t value);       // 图片框_框内留空_顶部
    void SetFrameMarginLeft(std::int16_t value);      // 图片框_框内留空_左侧
    void SetFrameMarginRight(std::int16_t value);     // 图片框_框内留空_右侧
    void SetFrameEffect(std::int32_t value);          // 图片框效果
    void SetShadowLength(std::int16_t value);         // 阴影长度
    void SetShadowColour(Colour colour);              // 阴影色
    void SetShadowSwitch(bool on);                    // 阴影显示开关

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
    enum class After { Nothing, ReDraw, ForceReDraw, Refresh };

    template <typename T>
    void Store(T XpButtonProperties::*field, T value, std::wstring_view key, After after);
    void Notify(std::wstring_view key) { m_host.PropertyChanged(key); }
    void Run(After after);
    void Refuse(std::wstring_view text, MessageIcon icon = MessageIcon::None);
    void ApplyPlatform();
    void ApplyFontChange();
    void StoreAttachedArea(const AttachedArea& area);
    void NotifyAttachedArea();
    void DeriveSmoothColours(bool caption);
    void AddAccessKeys(std::wstring_view text);
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

}  // namespace orvell::controls
