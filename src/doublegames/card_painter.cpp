#include "doublegames/card_painter.h"

#include <vector>

#include "art/builtin_art.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

constexpr int RankPitch = 9;
constexpr int SuitSize = 15;
constexpr int SmallSuitSize = 11;
constexpr int CourtWidth = 47;
constexpr int CourtHeight = 74;

// Raster operations need both sides in the same 32-bit layout.
QImage Load(const art::TBuiltinPicture& picture, double ratio) {
    return ReadBuiltinPictureFor(picture.Path, ratio).convertToFormat(QImage::Format_RGB32);
}

// Copies source rectangle from onto to (left, top, right, bottom; right and bottom exclusive; in the
// card's pixels), stretching pixel by pixel where their sizes differ.
void Copy(QPainter& painter, const QImage& source, TRect from, TRect to) {
    const double r = source.devicePixelRatio();
    painter.drawImage(QRectF(to.Left, to.Top, to.Width(), to.Height()), source,
                      QRectF(from.Left * r, from.Top * r, from.Width() * r, from.Height() * r));
}

struct TPip {
    int Left;
    int Top;
    int Width = SuitSize; // the right-hand corner pips are one column wider
};

// The pips of the cards Ace to 10, placed by their top-left corners.
std::vector<TPip> PipsOf(int value) {
    const std::vector<TPip> corners{{14, 10}, {14, 72}, {42, 10, 16}, {42, 72, 16}};
    const std::vector<TPip> sides{{14, 31}, {14, 51}, {42, 31, 16}, {42, 51, 16}};
    auto join = [](std::vector<TPip> first, const std::vector<TPip>& more) {
        first.insert(first.end(), more.begin(), more.end());
        return first;
    };
    switch (value) {
    case 1:
        return {{28, 42}};
    case 2:
        return {{28, 10}, {28, 72}};
    case 3:
        return {{28, 10}, {28, 72}, {28, 41}};
    case 4:
        return corners;
    case 5:
        return join(corners, {{28, 41}});
    case 6:
        return join(corners, {{14, 41}, {42, 41}});
    case 7:
        return join(corners, {{14, 41}, {42, 41}, {28, 27}});
    case 8:
        return join(corners, sides);
    case 9:
        return join(join(corners, sides), {{28, 20}});
    case 10:
        return join(join(corners, sides), {{28, 20}, {28, 62}});
    default:
        return {};
    }
}

} // namespace

TCardPainter::TCardPainter(double ratio)
    : Ratio(ratio), Pos(Load(art::cards::Pos, ratio)), Neg(Load(art::cards::Neg, ratio)),
      back(Load(art::cards::back, ratio)), Joker(Load(art::cards::Joker, ratio)),
      Royal(Load(art::cards::Royal, ratio)), Suits(Load(art::cards::Suits, ratio)),
      SuitSm(Load(art::cards::SuitSm, ratio)), Black(Load(art::cards::Black, ratio)),
      Red(Load(art::cards::Red, ratio)) {}

void TCardPainter::DrawMasked(QPainter& canvas, const QImage& picture, int x, int y) const {
    canvas.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    canvas.drawImage(x, y, Neg);
    canvas.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    DrawPicturePart(canvas, QPoint(x, y), picture, QRect(0, 0, CardWidth, CardHeight));
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCardPainter::DrawCardBack(QPainter& canvas, int x, int y) const {
    DrawMasked(canvas, back, x, y);
}

void TCardPainter::DrawJoker(QPainter& canvas, int x, int y) const {
    DrawMasked(canvas, Joker, x, y);
}

void TCardPainter::DrawCardFace(QPainter& canvas, const CardRecord& card, int x, int y) const {
    DrawMasked(canvas, ComposeFace(card), x, y);
}

QImage TCardPainter::ComposeFace(const CardRecord& card) const {
    QImage face(DevicePixelsOf(QRect(0, 0, CardWidth + 1, CardHeight + 1), Ratio).size(),
                QImage::Format_RGB32);
    face.setDevicePixelRatio(Ratio);
    face.fill(Qt::black);
    QPainter painter(&face);
    const int v = (card.Id + 1) % 13 == 0 ? 13 : (card.Id + 1) % 13;
    const int s = card.Suit;
    const QImage& ranks = IsRed(card) ? Red : Black;

    Copy(painter, Pos, {0, 0, CardWidth, CardHeight}, {0, 0, CardWidth, CardHeight});
    Copy(painter, ranks, {RankPitch * (v - 1), 0, RankPitch * v, 13}, {3, 3, 12, 16});
    Copy(painter, ranks, {RankPitch * (v - 1), 14, RankPitch * (v - 1) + 8, 27}, {61, 82, 69, 95});
    const int smallLeft = SmallSuitSize * s;
    Copy(painter, SuitSm, {smallLeft, 0, smallLeft + SmallSuitSize, 11}, {2, 18, 13, 29});
    Copy(painter, SuitSm, {smallLeft, 11, smallLeft + SmallSuitSize, 22}, {60, 70, 71, 81});

    const TRect upright{SuitSize * s, 0, SuitSize * s + SuitSize, SuitSize};
    const TRect upsideDown{SuitSize * s, SuitSize, SuitSize * s + SuitSize, 2 * SuitSize};
    for (const TPip& pip : PipsOf(v))
        Copy(painter, Suits, upright, RectAt(pip.Left, pip.Top, pip.Width, SuitSize));

    if (v >= 11) {
        const int courtColumn = (13 - v) * CourtWidth; // King, Queen, Jack from the left
        const int courtRow = IsRed(card) ? CourtHeight : 0;
        Copy(painter, Royal, RectAt(courtColumn, courtRow, CourtWidth, CourtHeight), {13, 13, 60, 87});
        if (v == 13) {
            Copy(painter, Suits, upright, {15, 15, 30, 30});
            Copy(painter, Suits, upsideDown, {43, 70, 58, 85});
        } else {
            Copy(painter, Suits, upright, {43, 15, 58, 30});
            Copy(painter, Suits, upsideDown, {15, 70, 30, 85});
        }
    }
    return face;
}

} // namespace zorva
