#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "controls/picture.h"
#include "controls/xp_button_host.h"
#include "pixel_canvas.h"

namespace orvell::controls::test {

// A host that records what the button asks of it. The log keeps the order of everything that
// happens: host calls, the events the button raises (RecordingEvents writes into it too) and each
// finished drawing, as "draw full" when the middle of the face was painted since the previous drawing
// and "draw partial" when only its bands were.
class RecordingHost final : public XpButtonHost {
public:
    explicit RecordingHost(PixelCanvas& canvas) : m_canvas(canvas) {}

    struct Message {
        std::wstring title;
        std::wstring text;
        MessageIcon icon;
        friend bool operator==(const Message&, const Message&) = default;
    };

    void PropertyChanged(std::wstring_view name) override { notified.emplace_back(name); }
    void ShowMessage(std::wstring_view title, std::wstring_view text, MessageIcon icon) override {
        messages.push_back(Message{std::wstring(title), std::wstring(text), icon});
        log.push_back("message");
    }
    void ApplyEnabled(bool on) override { enabled = on; }
    void ApplyFont(const FontDescription& spec) override { font = spec; }
    void ApplyMousePointer(std::int32_t value, const Picture* icon) override {
        pointer = value;
        pointerIcon = icon;
    }
    void ApplyRegion(const WindowRegion& shape) override { region = shape; }
    void Present() override {
        const int x = m_canvas.Width() / 2;
        const int y = m_canvas.Height() / 2;
        log.push_back(m_canvas.Touched(x, y) ? "draw full" : "draw partial");
        ++presents;
        m_canvas.EndFrame();
    }
    void CaptureMouse() override { log.push_back("capture"); }
    void ReleaseMouse() override { log.push_back("release"); }
    void PlaySoundFile(std::wstring_view path) override {
        sounds.emplace_back(path);
        log.push_back("sound");
    }
    void MoveFocus(bool forward) override { log.push_back(forward ? "focus next" : "focus previous"); }

    // Forgets everything recorded so far.
    void Clear() {
        notified.clear();
        messages.clear();
        log.clear();
        sounds.clear();
        presents = 0;
    }
    std::vector<std::wstring> MessageTexts() const {
        std::vector<std::wstring> texts;
        for (const Message& m : messages) {
            texts.push_back(m.text);
        }
        return texts;
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

private:
    PixelCanvas& m_canvas;
};

// Writes every event into the host's log, with its parameters; handlers may be given to change them.
class RecordingEvents final : public XpButtonEvents {
public:
    explicit RecordingEvents(std::vector<std::string>& log) : m_log(log) {}

    void Click() override { m_log.push_back("Click"); }
    void DropDownClick() override { m_log.push_back("DropDownClick"); }
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
        m_log.push_back("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
        if (onKeyDown) {
            onKeyDown(keyCode);
        }
    }
    void KeyPress(std::int16_t& keyAscii) override {
        m_log.push_back("KeyPress " + std::to_string(keyAscii));
        if (onKeyPress) {
            onKeyPress(keyAscii);
        }
    }
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
        m_log.push_back("KeyUp " + std::to_string(keyCode) + " " + std::to_string(shift));
    }
    void MouseOut() override { m_log.push_back("MouseOut"); }
    void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
        m_log.push_back("MouseDown " + Mouse(button, shift, x, y));
    }
    void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
        m_log.push_back("MouseMove " + Mouse(button, shift, x, y));
    }
    void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
        m_log.push_back("MouseUp " + Mouse(button, shift, x, y));
    }

    std::function<void(std::int16_t&)> onKeyDown;
    std::function<void(std::int16_t&)> onKeyPress;

private:
    static std::string Mouse(std::int16_t button, std::int16_t shift, float x, float y) {
        std::ostringstream text;
        text << button << " " << shift << " " << x << " " << y;
        return text.str();
    }
    std::vector<std::string>& m_log;
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

    // A solid bitmap, or an icon that draws colour where mask is 1.
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
        if (auto* pixels = dynamic_cast<PixelCanvas*>(&canvas)) {
            pixels->sequence.push_back("picture");
        }
        boxes.push_back(box);
        if (m_kind == PictureKind::Other || box.Width() <= 0 || box.Height() <= 0) {
            return;
        }
        for (int y = 0; y < box.Height(); ++y) {
            for (int x = 0; x < box.Width(); ++x) {
                const int sx = x * m_width / box.Width();
                const int sy = y * m_height / box.Height();
                const std::optional<Colour>& pixel = m_pixels[static_cast<std::size_t>(sy * m_width + sx)];
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
    void Add(const std::shared_ptr<TestPicture>& picture) { m_pictures[picture->Reference()] = picture; }
    PictureRef Load(std::wstring_view reference) override {
        const auto found = m_pictures.find(std::wstring(reference));
        return found == m_pictures.end() ? nullptr : found->second;
    }

private:
    std::map<std::wstring, PictureRef> m_pictures;
};

}  // namespace orvell::controls::test
