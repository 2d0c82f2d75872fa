#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/xp_button.h"
#include "support/pixel_canvas.h"
#include "text/utf8.h"

namespace orvell::controls::test {

// A host that records what the button asks of it and the events it raises. The log keeps the order of
// everything that happens: host calls, events with their parameters and, on a pixel surface, each
// finished drawing, as "draw full" when the middle of the face was painted since the previous drawing
// and "draw partial" when only its bands were. Key handlers may be given to change the parameters.
class RecordingHost final : public XpButtonHost, public XpButtonEvents {
public:
    explicit RecordingHost(PixelCanvas* canvas = nullptr) : m_canvas(canvas) {}

    struct Message {
        std::wstring title;
        std::wstring text;
        MessageIcon icon;
        std::size_t notifiedBefore = 0;  // how many names the host had been told before the box
        friend bool operator==(const Message&, const Message&) = default;
    };
    using I = std::int16_t;

    void PropertyChanged(std::wstring_view name) override { notified.emplace_back(name); }
    void ShowMessage(std::wstring_view title, std::wstring_view text, MessageIcon icon) override {
        messages.push_back(Message{std::wstring(title), std::wstring(text), icon, notified.size()});
        Log("message");
    }
    void ApplyEnabled(bool on) override { enabled = on; }
    void ApplyFont(const FontDescription& applied) override { font = applied; }
    void ApplyMousePointer(std::int32_t value, const Picture* icon) override {
        pointer = value;
        pointerIcon = icon;
    }
    void ApplyRegion(const WindowRegion& shape) override { region = shape; }
    void Present() override {
        ++presents;
        if (m_canvas != nullptr) {
            Log(m_canvas->Touched(m_canvas->Width() / 2, m_canvas->Height() / 2) ? "draw full"
                                                                                 : "draw partial");
            m_canvas->EndFrame();
        }
    }
    void CaptureMouse() override { Log("capture"); }
    void ReleaseMouse() override { Log("release"); }
    void PlaySoundFile(std::wstring_view path) override {
        sounds.emplace_back(path);
        Log("sound");
    }
    void MoveFocus(bool forward) override { Log(forward ? "focus next" : "focus previous"); }

    void Click() override { Log("Click"); }
    void DropDownClick() override { Log("DropDownClick"); }
    void KeyDown(I& keyCode, I& shift) override {
        Log("KeyDown", keyCode, shift);
        if (onKeyDown) {
            onKeyDown(keyCode);
        }
    }
    void KeyPress(I& keyAscii) override {
        Log("KeyPress", keyAscii);
        if (onKeyPress) {
            onKeyPress(keyAscii);
        }
    }
    void KeyUp(I& keyCode, I& shift) override { Log("KeyUp", keyCode, shift); }
    void MouseOut() override { Log("MouseOut"); }
    void MouseDown(I& button, I& keys, float& x, float& y) override { Log("MouseDown", button, keys, x, y); }
    void MouseMove(I& button, I& keys, float& x, float& y) override { Log("MouseMove", button, keys, x, y); }
    void MouseUp(I& button, I& keys, float& x, float& y) override { Log("MouseUp", button, keys, x, y); }

    // Forgets everything recorded so far.
    void Clear() {
        notified.clear();
        messages.clear();
        log.clear();
        sounds.clear();
        presents = 0;
    }
    bool WasNotified(std::wstring_view name) const {
        return std::find(notified.begin(), notified.end(), name) != notified.end();
    }

    std::vector<std::wstring> notified;
    std::vector<Message> messages;
    std::vector<std::string> log;
    std::vector<std::wstring> sounds;
    int presents = 0;
    bool enabled = true;
    FontDescription font;
    std::int32_t pointer = 0;
    const Picture* pointerIcon = nullptr;
    std::optional<WindowRegion> region;
    std::function<void(I&)> onKeyDown;
    std::function<void(I&)> onKeyPress;

private:
    template <typename... Values>
    void Log(const char* entry, const Values&... values) {
        std::ostringstream line;
        line << entry;
        ((line << ' ' << values), ...);
        log.push_back(line.str());
    }

    PixelCanvas* m_canvas;
};

// A newly placed button of a type on a surface of its size, with the record of the set-up cleared.
struct ButtonFixture {
    explicit ButtonFixture(int width = 75, int height = 23, std::int32_t type = xp_type::kXp,
                           Colour buttonFace = PixelCanvas::kButtonFace)
        : canvas(width, height, kPaper, buttonFace), host(&canvas), button(host, canvas) {
        button.SetEvents(&host);
        button.InitNew(L"Command1", kHostFont);
        button.OnResize(width, height);
        if (type != xp_type::kXp) {
            button.SetType(type);
        }
        host.Clear();
    }

    PixelCanvas canvas;
    RecordingHost host;
    VelloXPButton button;
};

// A picture of known pixels; an icon's empty cells are transparent. Drawn with nearest-pixel scaling.
class TestPicture final : public Picture {
public:
    TestPicture(PictureKind kind, int width, int height, std::wstring reference,
                std::vector<std::optional<Colour>> pixels)
        : m_kind(kind),
          m_width(width),
          m_height(height),
          m_reference(std::move(reference)),
          m_pixels(std::move(pixels)) {}

    // A solid bitmap, or an icon that draws colour where mask is '#'.
    static std::shared_ptr<TestPicture> Solid(int width, int height, Colour colour,
                                              std::wstring reference = L"") {
        return std::make_shared<TestPicture>(PictureKind::Bitmap, width, height, std::move(reference),
                                             std::vector<std::optional<Colour>>(width * height, colour));
    }
    static std::shared_ptr<TestPicture> Icon(const std::vector<std::string>& mask, Colour colour,
                                             std::wstring reference = L"") {
        std::vector<std::optional<Colour>> pixels;
        for (const std::string& row : mask) {
            for (const char c : row) {
                pixels.push_back(c == '#' ? std::optional<Colour>(colour) : std::nullopt);
            }
        }
        return std::make_shared<TestPicture>(PictureKind::Icon, static_cast<int>(mask.front().size()),
                                             static_cast<int>(mask.size()), std::move(reference), pixels);
    }

    PictureKind Kind() const override { return m_kind; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    std::wstring Reference() const override { return m_reference; }
    void Draw(Canvas& canvas, const Rect& box) const override {
        ++draws;
        boxes.push_back(box);
        if (m_kind == PictureKind::Other || box.Width() <= 0 || box.Height() <= 0) {
            return;
        }
        for (int y = 0; y < box.Height(); ++y) {
            for (int x = 0; x < box.Width(); ++x) {
                const std::optional<Colour>& pixel = m_pixels[static_cast<std::size_t>(
                    y * m_height / box.Height() * m_width + x * m_width / box.Width())];
                if (pixel) {
                    canvas.SetPixel(Point{box.left + x, box.top + y}, *pixel);
                }
            }
        }
    }

    mutable int draws = 0;
    mutable std::vector<Rect> boxes;

private:
    PictureKind m_kind;
    int m_width;
    int m_height;
    std::wstring m_reference;
    std::vector<std::optional<Colour>> m_pixels;
};

// Hands out the pictures it was given, by reference.
class TestPictureSource final : public PictureSource {
public:
    TestPictureSource(std::initializer_list<PictureRef> pictures = {}) {
        for (const PictureRef& picture : pictures) {
            m_pictures[picture->Reference()] = picture;
        }
    }
    PictureRef Load(std::wstring_view reference) override {
        const auto found = m_pictures.find(std::wstring(reference));
        return found == m_pictures.end() ? nullptr : found->second;
    }

private:
    std::map<std::wstring, PictureRef> m_pictures;
};

// Plays input written as steps separated by ";": "move x y [buttons shift]", "down button x y
// [shift]", "up button x y [shift]", "keydown code [shift]", "keyup code", "press ascii", "click",
// "double", "focus", "blur", "alt letter", "design key=value|key=value..." (restores a design),
// "disable", "nolook" (关闭DisEnabled效果 on) and "redraw" (forced).
inline void Play(VelloXPButton& b, const std::string& steps) {
    const std::map<std::string, std::function<void()>> plain = {
        {"click", [&] { b.OnClick(); }},           {"double", [&] { b.OnDoubleClick(); }},
        {"focus", [&] { b.OnGotFocus(); }},        {"blur", [&] { b.OnLostFocus(); }},
        {"disable", [&] { b.SetEnabled(false); }}, {"nolook", [&] { b.SetNoDisabledLook(true); }},
        {"redraw", [&] { b.ReDraw(true); }}};
    std::istringstream in(steps);
    std::string step;
    while (std::getline(in, step, ';')) {
        std::istringstream words(step);
        std::string what;
        words >> what;
        float x = 0, y = 0;
        std::int16_t n = 0, shift = 0;
        if (plain.contains(what)) {
            plain.at(what)();
        } else if (what == "move") {
            words >> x >> y >> n >> shift;
            b.OnMouseMove(n, shift, x, y);
        } else if (what == "down" || what == "up") {
            words >> n >> x >> y >> shift;
            what == "down" ? b.OnMouseDown(n, shift, x, y) : b.OnMouseUp(n, shift, x, y);
        } else if (what == "keydown") {
            words >> n >> shift;
            b.OnKeyDown(n, shift);
        } else if (what == "keyup" || what == "press") {
            words >> n;
            what == "keyup" ? b.OnKeyUp(n, 0) : b.OnKeyPress(n);
        } else if (what == "alt") {
            std::string letter;
            words >> letter;
            b.OnAccessKey(static_cast<wchar_t>(letter.at(0)));
        } else if (what == "design") {
            std::string design;
            std::getline(words >> std::ws, design);
            std::replace(design.begin(), design.end(), '|', '\n');
            TestPictureSource none;
            b.Restore(PropertyBag::Parse(text::DecodeUtf8(design).value()), L"Command1", kHostFont, none);
        } else if (!what.empty()) {
            throw std::invalid_argument("unknown step " + step);
        }
    }
}

}  // namespace orvell::controls::test
