#pragma once

#include "controls/xp_button.h"
#include "fake_host.h"
#include "pixel_canvas.h"

namespace orvell::controls::test {

inline constexpr Colour kPaper = Colour::Rgb(1, 2, 3);
inline const FontDescription kHostFont{L"宋体", 9.0f, false, false, false, false};

// A newly placed button of a type on a surface of its size, with the record of the set-up cleared.
struct ButtonFixture {
    explicit ButtonFixture(int width = 75, int height = 23, std::int32_t type = xp_type::kXp)
        : canvas(width, height, kPaper), host(canvas), events(host.log), button(host, canvas) {
        button.SetEvents(&events);
        button.InitNew(L"Command1", kHostFont);
        button.OnResize(width, height);
        if (type != xp_type::kXp) {
            button.SetType(type);
        }
        host.Clear();
    }

    PixelCanvas canvas;
    RecordingHost host;
    RecordingEvents events;
    VelloXPButton button;
};

}  // namespace orvell::controls::test
