#include "platform/fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QWidget>
#include <fontconfig/fontconfig.h>

namespace zorva {

namespace {

const QString Face = QStringLiteral("DejaVu Sans");

} // namespace

std::jthread WarmUpFonts() {
    return std::jthread([] {
        // Fontconfig keeps what it reads for the process, and Qt asks it for this same face.
        if (FcInit() == FcFalse)
            return;
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans"));
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result))
            FcPatternDestroy(match);
        FcPatternDestroy(pattern);
    });
}

QFont GameFont(double pointSize, bool bold) {
    QFont font(Face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

int PaintedTextDotsPerMeter(int pixelsPerInch) {
    constexpr int SmallFonts = 96;
    constexpr int LargeFonts = 120;
    const int inch = pixelsPerInch > 100 ? LargeFonts : SmallFonts;
    return qRound(inch / 0.0254);
}

QFont GameFontPixels(int pixelSize, bool bold) {
    QFont font(Face);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

double FittingPointSize(const QString& text, double pointSize, int maxWidth, const QPaintDevice& device,
                        bool bold, double minimum) {
    double size = pointSize;
    while (size > minimum &&
           QFontMetricsF(GameFont(size, bold), const_cast<QPaintDevice*>(&device)).horizontalAdvance(text) >
               maxWidth)
        size -= 0.5;
    return size;
}

void FitTextToWidth(QWidget& widget) {
    QFont font = widget.font();
    while (widget.sizeHint().width() > widget.width() && font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        widget.setFont(font);
    }
}

} // namespace zorva
