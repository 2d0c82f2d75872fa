#pragma once

#include "common/canvas.h"
#include "controls/picture.h"

namespace orvell::controls {

enum class PictureMode {
    Normal,    // as it is
    Grey,      // in grey levels: the idle look of the flat and toolbar types, and of disabled buttons
    Shadow,    // flat grey 0x808080: the shadow under a hovered picture
    Embossed,  // grey with a white edge below and right: a disabled toolbar button
};

// Draws a picture into box in a mode. For an icon the effects touch only the pixels the icon drew
// (its transparent pixels keep what was there); a bitmap covers its whole box.
void RenderPicture(Canvas& canvas, const Picture& picture, const Rect& box, PictureMode mode);

}  // namespace orvell::controls
