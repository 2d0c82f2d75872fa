#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "common/canvas.h"

namespace orvell::controls {

enum class PictureKind { Bitmap, Icon, Other };

// A picture a control shows: a bitmap or an icon the platform loaded. Pictures are shared: the hover
// picture may be the normal picture itself.
class Picture {
public:
    virtual ~Picture() = default;

    virtual PictureKind Kind() const = 0;
    virtual int Width() const = 0;  // pixels
    virtual int Height() const = 0;
    // Where the picture came from (a resource or file name), so a saved design can name it again.
    virtual std::wstring Reference() const = 0;
    // Draws the picture into box: a bitmap stretched whole, without transparency; an icon at the box's
    // size, its transparent pixels left as they were. Another kind draws nothing.
    virtual void Draw(Canvas& canvas, const Rect& box) const = 0;
};

using PictureRef = std::shared_ptr<const Picture>;

// Turns the picture references of a saved design back into pictures.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    // Null when the reference names nothing that can be loaded.
    virtual PictureRef Load(std::wstring_view reference) = 0;
};

}  // namespace orvell::controls
