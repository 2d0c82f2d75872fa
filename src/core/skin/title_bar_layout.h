#pragma once

#include <optional>
#include <vector>

#include "common/geometry.h"

namespace orvell::skin {

// The drawn title bar's measures, in twips like the windows it sits on. The skin picture and the
// button images are drawn at 96 dots per inch: 15 twips to one of their pixels.
namespace bform {
inline constexpr int kArtTwipsPerPixel = 15;
inline constexpr int kSkinWidth = 1410;   // 94 pixels
inline constexpr int kSkinHeight = 1275;  // 85 pixels
inline constexpr int kButtonSize = 285;   // 19 pixels, each button image

inline constexpr int kHeight = 405;       // the bar's own height
inline constexpr int kStripHeight = 450;  // the title strip at the top of the skin
inline constexpr int kTileLeft = 300;     // the stretch of strip repeated along the bar
inline constexpr int kTileWidth = 300;
inline constexpr int kLeftEndWidth = 450;
inline constexpr int kRightEndWidth = 1000;
inline constexpr int kMinFromRight = 720;  // left edges of the buttons, from the bar's right edge
inline constexpr int kCloseFromRight = 360;
inline constexpr int kButtonTop = 70;
inline constexpr Point kCaptionAt{120, 100};
// Without the minimise button, plain strip taken this far from the skin's right end covers it.
inline constexpr int kNominSourceFromRight = 1200;
inline constexpr int kNominTargetFromRight = 830;
inline constexpr int kNominWidth = 400;

// The host's border, cut from the frame of the skin's body.
inline constexpr int kBorder = 60;
inline constexpr int kSidePieceTop = 800;
inline constexpr int kSidePieceHeight = 500;
inline constexpr int kBorderStep = 300;
inline constexpr int kLeftCornerWidth = 450;
inline constexpr int kRightCornerWidth = 500;
}  // namespace bform

// A piece of a picture copied onto a surface, in twips: where it comes from in the picture and where
// it goes. Pieces drawn later cover earlier ones.
struct ArtPiece {
    Rect source;
    Rect target;
    friend constexpr bool operator==(const ArtPiece&, const ArtPiece&) = default;
};

// The strip of the bar of a width: the repeated stretch, the left end, the right end and, without the
// minimise button, the plain piece that covers its idle picture. A bar narrower than the right end
// has the right end over its left end.
std::vector<ArtPiece> TitleStripPieces(int width, bool nomin);
// The buttons' places on a bar of a width; their images are the whole source.
ArtPiece MinButtonPiece(int width);
ArtPiece CloseButtonPiece(int width);
// The host's border along its left, right and bottom edges, corners last. Every piece is cut to the
// skin picture: a piece reaching past its edge would otherwise copy whatever lies beyond it.
std::vector<ArtPiece> HostBorderPieces(int width, int height);

// The same in the pixels of a screen. The picture side maps at 15 twips a pixel; on the surface a
// piece starts where its twips fall at the screen's DPI and keeps the picture's own size scaled to
// that DPI, rounded up, so pieces laid side by side leave no gap and at 96 dpi copy pixel for pixel.
// Pictures drawn at a larger size (artScale, one of kArtScales) are copied pixel for pixel: the
// source is the piece's place in them, scaled as the picture script scales it, and the target as
// large as that.
struct ArtBlit {
    Rect source;
    Rect target;
    friend constexpr bool operator==(const ArtBlit&, const ArtBlit&) = default;
};
ArtBlit PlaceArt(const ArtPiece& piece, int dpiX, int dpiY, int artScale = 100);
// Rounded to the nearest twip; the inverse of TwipsToPixels for the sizes of windows.
int PixelsToTwips(int pixels, int dotsPerInch);

enum class TitleBarPart { Bar, MinButton, CloseButton };

// Everything a bar of a width in pixels draws and where its buttons are, at a DPI.
struct TitleBarPlan {
    int height = 0;
    std::vector<ArtBlit> strip;        // from the skin, in drawing order
    std::optional<ArtBlit> minButton;  // none after Nomin
    ArtBlit closeButton;
    Point caption;     // where the caption's text starts
    Rect captionClip;  // it ends before the first button
};
TitleBarPlan PlanTitleBar(int widthPixels, bool nomin, int dpiX, int dpiY, int artScale = 100);
std::vector<ArtBlit> PlanHostBorder(int widthPixels, int heightPixels, int dpiX, int dpiY,
                                    int artScale = 100);

// The part of the bar under a point of its client area; a button's area is its image.
TitleBarPart PartAt(const TitleBarPlan& plan, Point at);

}  // namespace orvell::skin
