#include "controls/xp_check_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/pixel_canvas.h"

namespace orvell::controls::test {
namespace {

// Strips whose cells tell where they come from: cell c of strip s is Rgb(s, c, 100), but for its
// top-left pixel, which is transparent. Strips listed as missing cannot be had.
class FakeArt final : public CheckBoxArt {
public:
    static Colour Of(int strip, int cell) { return Colour::Rgb(strip, cell, 100); }

    std::span<const Colour> Strip(int index) override {
        m_pixels.clear();
        for (int i = 0; index != missing && i < check_box_art::kStripWidth * check_box_art::kCellSize; ++i) {
            const int x = i % check_box_art::kStripWidth;
            const bool corner = i < check_box_art::kStripWidth && x % check_box_art::kCellSize == 0;
            m_pixels.push_back(corner ? check_box_art::kTransparent
                                      : Of(index, x / check_box_art::kCellSize));
        }
        return m_pixels;
    }

    int missing = -1;

private:
    std::vector<Colour> m_pixels;
};

// A host that logs, in order, the events raised (Click with the value it sees), the timer starting
// and stopping, and the clicks that changed the value. Captions measure 6 pixels a character and 12 a
// line.
class Host final : public XpCheckBoxHost, public XpCheckBoxEvents {
public:
    using I = std::int16_t;

    void PropertyChanged(std::wstring_view) override {}
    void ApplyEnabled(bool on) override { enabled = on; }
    void ApplyFont(const FontDescription& applied) override { font = applied; }
    TextExtent MeasureCaption(std::wstring_view caption) override {
        return caption.empty() ? TextExtent{} : TextExtent{6 * static_cast<int>(caption.size()), 12};
    }
    void StartHoverTimer() override { Log("timer on"); }
    void StopHoverTimer() override { Log("timer off"); }
    void Invalidate() override {}
    void ValueClicked() override { Log("clicked"); }

    void Click() override { Log("Click@" + std::to_string(box->Properties().value)); }
    void KeyDown(I& code, I&) override { Log("KeyDown", {code}); }
    void KeyPress(I& ascii) override { Log("KeyPress", {ascii}); }
    void KeyUp(I& code, I&) override { Log("KeyUp", {code}); }
    void MouseOut() override { Log("MouseOut"); }
    void MouseDown(I& b, I&, float& x, float& y) override { Log("MouseDown", {b, I(x), I(y)}); }
    void MouseMove(I& b, I&, float& x, float& y) override { Log("MouseMove", {b, I(x), I(y)}); }
    void MouseUp(I& b, I&, float& x, float& y) override { Log("MouseUp", {b, I(x), I(y)}); }

    void Log(std::string entry, std::initializer_list<int> numbers = {}) {
        for (const int n : numbers) {
            entry.append(" ").append(std::to_string(n));
        }
        log.append(log.empty() ? "" : "; ").append(entry);
    }

    const XpCheckBox* box = nullptr;
    std::string log;
    bool enabled = false;
    FontDescription font;
};

// A new check box 60 x 17 captioned "Check1", its events going to its host.
struct Fixture {
    explicit Fixture(int width = 60, int height = 17) : canvas(width, height, kPaper), box(host) {
        host.box = &box;
        box.SetEvents(&host);
        box.InitNew(L"Check1", kHostFont);
        box.OnResize(width, height);
    }

    // Steps separated by ";", each a verb and up to three numbers: "move x y", "down button x y",
    // "up button x y", "click", "keydown code", "press ascii", "keyup code", "focus", "blur",
    // "tick x y", "value v", "disable".
    void Run(const std::string& steps) {
        using I = std::int16_t;
        const std::map<std::string, std::function<void(float, float, float)>> verbs{
            {"move", [&](float x, float y, float) { box.OnMouseMove(0, 0, x, y); }},
            {"down", [&](float b, float x, float y) { box.OnMouseDown(I(b), 0, x, y); }},
            {"up", [&](float b, float x, float y) { box.OnMouseUp(I(b), 0, x, y); }},
            {"click", [&](float, float, float) { box.OnClick(); }},
            {"keydown", [&](float code, float, float) { box.OnKeyDown(I(code), 0); }},
            {"press", [&](float ascii, float, float) { box.OnKeyPress(I(ascii)); }},
            {"keyup", [&](float code, float, float) { box.OnKeyUp(I(code), 0); }},
            {"focus", [&](float, float, float) { box.OnGotFocus(); }},
            {"blur", [&](float, float, float) { box.OnLostFocus(); }},
            {"tick", [&](float x, float y, float) { box.OnHoverTick(x, y); }},
            {"value", [&](float v, float, float) { box.SetValue(I(v)); }},
            {"disable", [&](float, float, float) { box.SetEnabled(false); }},
        };
        std::istringstream in(steps);
        std::string step;
        while (std::getline(in, step, ';')) {
            std::istringstream words(step);
            std::string verb;
            float a = 0, b = 0, c = 0;
            words >> verb >> a >> b >> c;
            const auto found = verbs.find(verb);
            ASSERT_NE(found, verbs.end()) << step;
            found->second(a, b, c);
        }
    }

    // The colour at the middle of the box once painted.
    Colour BoxMiddle() {
        box.Paint(canvas, art);
        return canvas.At(6, box.Layout().box.top + 6);
    }

    PixelCanvas canvas;
    FakeArt art;
    Host host;
    XpCheckBox box;
};

TEST(XpCheckBox, EachValueShowsTheCellOfEachLookFromTheWorkingStrip) {
    const struct {
        std::int32_t value;
        int normal, hovered, pressed, disabled;
    } rows[] = {{0, 0, 1, 2, 3}, {1, 4, 5, 6, 7}, {2, 8, 9, 10, 11}};
    for (const auto& row : rows) {
        const std::pair<const char*, int> looks[] = {{"", row.normal},
                                                     {"move 5 5", row.hovered},
                                                     {"move 5 5; down 1 5 5", row.pressed},
                                                     {"disable", row.disabled}};
        for (const auto& [steps, cell] : looks) {
            SCOPED_TRACE(std::to_string(row.value) + " after \"" + steps + "\"");
            Fixture f;
            f.box.SetCheckBoxLook(9);
            f.box.SetValue(row.value);
            f.Run(steps);
            EXPECT_EQ(f.box.DisplayedCell(), cell);
            EXPECT_EQ(f.BoxMiddle(), FakeArt::Of(9, cell));
        }
    }
}

// An input sequence on a new check box: what it logs once the steps before are done, and the value,
// cell and timer it leaves.
struct Sequence {
    const char* name;
    std::string before;
    std::string steps;
    std::string expected;
    std::int32_t value;
    int cell;
    bool timer;
};

TEST(XpCheckBox, EventsValuesAndTimerOfEachInput) {
    const Sequence sequences[] = {
        {"a click raises Click while the old value holds, then checks", "",
         "move 5 5; down 1 5 5; up 1 5 5; click",
         "timer on; MouseMove 0 5 5; MouseDown 1 5 5; MouseUp 1 5 5; Click@0; clicked", 1, 4, true},
        {"a grey box clicked is unchecked", "value 2", "click", "Click@2; clicked", 0, 0, false},
        {"MouseMove once as the pointer arrives, then the pointer may move anywhere", "",
         "move 5 5; move 6 5; move 500 5", "timer on; MouseMove 0 5 5", 0, 1, true},
        {"the tick notices the pointer outside, the far edges inside", "move 5 5", "tick 60 17; tick 61 5",
         "timer off; MouseOut", 0, 0, false},
        {"a held button keeps the pressed cell outside; released there, it clicks nothing", "move 5 5",
         "down 1 5 5; tick -1 5; move -1 5; up 1 -1 5; tick -1 5",
         "MouseDown 1 5 5; MouseUp 1 -1 5; timer off; MouseOut", 0, 0, false},
        {"the right button presses the box but does not click it", "move 5 5", "down 2 5 5; up 2 5 5",
         "MouseDown 2 5 5; MouseUp 2 5 5", 0, 2, true},
        {"Space: KeyPress, Click, MouseDown, KeyUp and Click again, one change", "focus",
         "keydown 32; press 32; keyup 32",
         "KeyDown 32; KeyPress 32; Click@0; MouseDown 1 0 0; KeyUp 32; Click@0; clicked", 1, 4, false},
        {"other keys raise KeyDown only", "focus", "keydown 65; press 97; keyup 65", "KeyDown 65", 0, 1,
         false},
        {"a Space that went down elsewhere changes nothing", "focus", "keyup 32", "KeyUp 32", 0, 1, false},
        {"the focus shows the hovered cell without a timer", "", "focus; move 5 5; tick 90 5",
         "timer on; MouseMove 0 0 0; timer off", 0, 1, false},
        {"the focus leaves while Space is held: the press ends with it", "focus; press 32",
         "blur; tick 90 5; keyup 32", "timer on; MouseMove 0 0 0; timer off; MouseOut; KeyUp 32", 0, 0,
         false},
        {"disabled: no mouse events, no clicks, the timer stopped", "move 5 5",
         "disable; move 6 6; down 1 5 5; up 1 5 5; click; blur; tick 90 5", "timer off", 0, 3, false},
    };
    for (const Sequence& s : sequences) {
        SCOPED_TRACE(s.name);
        Fixture f;
        f.Run(s.before);
        f.host.log.clear();
        f.Run(s.steps);
        EXPECT_EQ(f.host.log, s.expected);
        EXPECT_EQ(f.box.Properties().value, s.value);
        EXPECT_EQ(f.box.DisplayedCell(), s.cell);
        EXPECT_EQ(f.box.HoverTimerRunning(), s.timer);
    }
}

TEST(XpCheckBox, TheBoxAndTheCaptionAreCentredFromTopToBottom) {
    const struct {
        int height;
        const wchar_t* caption;
        Rect box;
        Rect label;
    } cases[] = {
        {17, L"组合键", {0, 2, 13, 15}, {16, 2, 34, 14}},
        {18, L"Key Combination", {0, 2, 13, 15}, {16, 3, 106, 15}},
        {10, L"x", {0, -1, 13, 12}, {16, -1, 22, 11}},
        {30, L"", {0, 8, 13, 21}, {16, 15, 16, 15}},
    };
    for (const auto& c : cases) {
        Fixture f(120, c.height);
        f.box.SetCaption(c.caption);
        EXPECT_EQ(f.box.Layout(), (XpCheckBoxLayout{c.box, c.label})) << c.height;
    }
}

TEST(XpCheckBox, PaintsItsBackgroundTheBoxCellTheCaptionAndTheFocus) {
    constexpr Colour kBack = Colour::Rgb(224, 220, 224);
    Fixture f;
    f.box.SetBackColor(kBack);
    f.box.SetForeColor(Colour::Rgb(0, 0, 255));
    f.box.SetValue(1);
    f.box.OnGotFocus();
    f.box.Paint(f.canvas, f.art);
    const Rect box = f.box.Layout().box;
    EXPECT_EQ(f.canvas.At(0, box.top), kBack) << "transparent: the background shows";
    EXPECT_EQ(f.canvas.At(12, box.bottom - 1), FakeArt::Of(0, 5));
    EXPECT_EQ(f.canvas.At(13, box.top), kBack);
    EXPECT_EQ(f.canvas.texts,
              (std::vector{PixelCanvas::TextCall{L"Check1", Rect{16, 2, 52, 14}, text_format::kSingleLine,
                                                 Colour::Rgb(0, 0, 255)}}));
    EXPECT_EQ(f.canvas.focusRects, (std::vector<Rect>{Rect{15, 1, 53, 15}}));

    // Disabled: the caption in the system's grey text colour (the test surface's stand-in is black).
    // A strip that cannot be had leaves the background.
    f.canvas.StartFrame();
    f.box.SetEnabled(false);
    f.box.OnLostFocus();
    f.art.missing = 0;
    f.box.Paint(f.canvas, f.art);
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].colour, f.canvas.Resolve(Colour::System(system_colour::kGrayText)));
    EXPECT_TRUE(f.canvas.focusRects.empty());
    EXPECT_EQ(f.canvas.At(6, box.top + 6), kBack);
}

// ---- Saved properties ---------------------------------------------------------------------------------

TEST(XpCheckBoxBag, ADesignIsRestoredByItsKeysAndSavedBackToTheSameText) {
    const std::wstring design =
        L"Enabled=0\r\nCheckBoxLook=13\r\nValue=2\r\nCaption=Key &Combination\r\nBackColor=0x00E0DCE0\r\n"
        L"Font=Tahoma,10.5,bold\r\nForeColor=0x00C00000\r\n";
    const PropertyBag bag = PropertyBag::Parse(design);
    Fixture f;
    f.box.Restore(bag, kHostFont);
    const XpCheckBoxProperties expected{false,
                                        13,
                                        2,
                                        L"Key &Combination",
                                        Colour(0xE0DCE0),
                                        FontDescription{L"Tahoma", 10.5f, true},
                                        Colour(0xC00000)};
    EXPECT_EQ(f.box.Properties(), expected);
    EXPECT_TRUE(bag.Problems().empty());
    EXPECT_FALSE(f.host.enabled) << "the window follows the restored values";
    EXPECT_EQ(f.host.font, expected.font);
    EXPECT_EQ(f.box.DisplayedCell(), 11);
    EXPECT_TRUE(f.box.HasAccessKey(L'c'));
    PropertyBag saved;
    f.box.Save(saved, kHostFont);
    EXPECT_EQ(saved.Format(), design);
}

// Missing keys take their defaults, as do looks and values out of range, which the bag reports; a
// save writes only what differs from the defaults.
TEST(XpCheckBoxBag, DefaultsStandInForWhatIsMissingOrOutOfRange) {
    const struct {
        const wchar_t* design;
        std::size_t problems;
    } cases[] = {{L"", 0},
                 {L"CheckBoxLook=14\nValue=3", 2},
                 {L"CheckBoxLook=-1\nValue=-1", 2},
                 {L"CheckBoxLook=many\nValue=yes", 2}};
    XpCheckBoxProperties defaults;
    defaults.font = kHostFont;
    for (const auto& c : cases) {
        const PropertyBag bag = PropertyBag::Parse(c.design);
        Fixture f;
        f.box.Restore(bag, kHostFont);
        EXPECT_EQ(f.box.Properties(), defaults) << c.design;
        EXPECT_EQ(bag.Problems().size(), c.problems) << c.design;
        PropertyBag saved;
        f.box.Save(saved, kHostFont);
        EXPECT_EQ(saved.Size(), 0u);
    }
    // Out of range at run time: refused, the old value kept.
    Fixture f;
    EXPECT_FALSE(f.box.SetCheckBoxLook(14) || f.box.SetCheckBoxLook(-1) || f.box.SetValue(3) ||
                 f.box.SetValue(-1));
    EXPECT_EQ(f.box.Properties().checkBoxLook, 0);
    EXPECT_EQ(f.box.Properties().value, 0);
}

// A new control is captioned with the host's name, and a save keeps it even where it is the name a
// restored control would otherwise take.
TEST(XpCheckBoxBag, ANewControlsCaptionComesBackFromItsSave) {
    Fixture fresh;
    PropertyBag saved;
    fresh.box.Save(saved, kHostFont);
    EXPECT_EQ(saved.Format(), L"Caption=Check1\r\n");
    fresh.box.SetCaption(L"CheckBox1");
    fresh.box.Save(saved, kHostFont);
    EXPECT_EQ(saved.Size(), 0u);
    fresh.box.Restore(PropertyBag::Parse(L"Caption=Check1"), kHostFont);
    EXPECT_EQ(fresh.box.Properties().caption, L"Check1");
}

}  // namespace
}  // namespace orvell::controls::test
