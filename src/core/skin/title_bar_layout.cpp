#include "skin/title_bar_layout.h"

#include <algorithm>

#include "skin/art_scale.h"

namespace orvell::skin {

using namespace bform;

namespace {

constexpr Rect Sized(int left, int top, int width, int height) {
    return Rect{left, top, left + width, top + height};
}

// Cuts a piece to the skin picture, moving the target's edges with the source's.
ArtPiece CutToSkin(ArtPiece piece) {
    const int left = std::max(piece.source.left, 0) - piece.source.left;
    const int top = std::max(piece.source.top, 0) - piece.source.top;
    const int right = piece.source.right - std::min(piece.source.right, kSkinWidth);
    const int bottom = piece.source.bottom - std::min(piece.source.bottom, kSkinHeight);
    piece.source = Rect{piece.source.left + left, piece.source.top + top, piece.source.right - right,
                        piece.source.bottom - bottom};
    piece.target = Rect{piece.target.left + left, piece.target.top + top, piece.target.right - right,
                        piece.target.bottom - bottom};
    return piece;
}

// How many pieces of a step cover a length, as the bar counts them: one more than fit whole.
int StepsOver(int length, int step) {
    return std::max(length, 0) / step + 1;
}

int RoundedArtPixels(int twips) {
    return (twips + kArtTwipsPerPixel / 2) / kArtTwipsPerPixel;
}

int ScaledUp(int artPixels, int dotsPerInch) {
    return (artPixels * dotsPerInch + 95) / 96;
}

}  // namespace

std::vector<ArtPiece> TitleStripPieces(int width, bool nomin) {
    std::vector<ArtPiece> pieces;
    const int tiles = StepsOver(width, kTileWidth);
    for (int i = 1; i <= tiles; ++i) {
        pieces.push_back({Sized(kTileLeft, 0, kTileWidth, kStripHeight),
                          Sized(i * kTileWidth, 0, kTileWidth, kStripHeight)});
    }
    pieces.push_back({Sized(0, 0, kLeftEndWidth, kStripHeight), Sized(0, 0, kLeftEndWidth, kStripHeight)});
    pieces.push_back({Sized(kSkinWidth - kRightEndWidth, 0, kRightEndWidth, kStripHeight),
                      Sized(width - kRightEndWidth, 0, kRightEndWidth, kStripHeight)});
    if (nomin) {
        pieces.push_back({Sized(kSkinWidth - kNominSourceFromRight, 0, kNominWidth, kStripHeight),
                          Sized(width - kNominTargetFromRight, 0, kNominWidth, kStripHeight)});
    }
    return pieces;
}

ArtPiece MinButtonPiece(int width) {
    return {Sized(0, 0, kButtonSize, kButtonSize),
            Sized(width - kMinFromRight, kButtonTop, kButtonSize, kButtonSize)};
}

ArtPiece CloseButtonPiece(int width) {
    return {Sized(0, 0, kButtonSize, kButtonSize),
            Sized(width - kCloseFromRight, kButtonTop, kButtonSize, kButtonSize)};
}

std::vector<ArtPiece> HostBorderPieces(int width, int height) {
    std::vector<ArtPiece> pieces;
    const int bottomPieces = StepsOver(width, kBorderStep);
    for (int i = 1; i <= bottomPieces; ++i) {
        pieces.push_back(
            CutToSkin({Sized(kBorderStep, kSkinHeight - kBorder, kBorderStep, kSidePieceHeight),
                       Sized(i * kBorderStep, height - kBorder, kBorderStep, kSidePieceHeight)}));
    }
    const int sidePieces = StepsOver(height, kBorderStep);
    for (int i = 1; i <= sidePieces; ++i) {
        pieces.push_back(CutToSkin({Sized(0, kSidePieceTop, kBorder, kSidePieceHeight),
                                    Sized(0, i * kBorderStep, kBorder, kSidePieceHeight)}));
    }
    for (int i = 1; i <= sidePieces; ++i) {
        pieces.push_back(CutToSkin({Sized(kSkinWidth - kBorder, kSidePieceTop, kBorderStep, kSidePieceHeight),
                                    Sized(width - kBorder, i * kBorderStep, kBorderStep, kSidePieceHeight)}));
    }
    pieces.push_back(CutToSkin({Sized(0, kSkinHeight - kBorder, kLeftCornerWidth, kBorder),
                                Sized(0, height - kBorder, kLeftCornerWidth, kBorder)}));
    pieces.push_back(
        CutToSkin({Sized(kSkinWidth - kRightCornerWidth, kSkinHeight - kBorder, kRightCornerWidth, kBorder),
                   Sized(width - kRightCornerWidth, height - kBorder, kRightCornerWidth, kBorder)}));
    return pieces;
}

ArtBlit PlaceArt(const ArtPiece& piece, int dpiX, int dpiY, int artScale) {
    const auto at = [artScale](int twips) { return ScaledArt(RoundedArtPixels(twips), artScale); };
    const Rect source{at(piece.source.left), at(piece.source.top), at(piece.source.right),
                      at(piece.source.bottom)};
    const int left = TwipsToPixels(piece.target.left, dpiX);
    const int top = TwipsToPixels(piece.target.top, dpiY);
    if (artScale != 100) {
        return {source, Rect{left, top, left + source.Width(), top + source.Height()}};
    }
    return {source,
            Rect{left, top, left + ScaledUp(source.Width(), dpiX), top + ScaledUp(source.Height(), dpiY)}};
}

int PixelsToTwips(int pixels, int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return 0;
    }
    const long long scaled = static_cast<long long>(pixels) * 1440;
    const long long half = dotsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / dotsPerInch : -((-scaled + half) / dotsPerInch));
}

TitleBarPlan PlanTitleBar(int widthPixels, bool nomin, int dpiX, int dpiY, int artScale) {
    const int width = PixelsToTwips(widthPixels, dpiX);
    TitleBarPlan plan;
    plan.height = TwipsToPixels(kHeight, dpiY);
    for (const ArtPiece& piece : TitleStripPieces(width, nomin)) {
        plan.strip.push_back(PlaceArt(piece, dpiX, dpiY, artScale));
    }
    if (!nomin) {
        plan.minButton = PlaceArt(MinButtonPiece(width), dpiX, dpiY, artScale);
    }
    plan.closeButton = PlaceArt(CloseButtonPiece(width), dpiX, dpiY, artScale);
    plan.caption = Point{TwipsToPixels(kCaptionAt.x, dpiX), TwipsToPixels(kCaptionAt.y, dpiY)};
    const int captionEnd = plan.minButton ? plan.minButton->target.left : plan.closeButton.target.left;
    plan.captionClip = Rect{plan.caption.x, 0, std::max(captionEnd, plan.caption.x), plan.height};
    return plan;
}

std::vector<ArtBlit> PlanHostBorder(int widthPixels, int heightPixels, int dpiX, int dpiY, int artScale) {
    std::vector<ArtBlit> blits;
    for (const ArtPiece& piece :
         HostBorderPieces(PixelsToTwips(widthPixels, dpiX), PixelsToTwips(heightPixels, dpiY))) {
        blits.push_back(PlaceArt(piece, dpiX, dpiY, artScale));
    }
    return blits;
}

TitleBarPart PartAt(const TitleBarPlan& plan, Point at) {
    if (plan.minButton && plan.minButton->target.Contains(at)) {
        return TitleBarPart::MinButton;
    }
    if (plan.closeButton.target.Contains(at)) {
        return TitleBarPart::CloseButton;
    }
    return TitleBarPart::Bar;
}

}  // namespace orvell::skin
