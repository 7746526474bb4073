#include "doublegames/form_style.h"

namespace zorva {

QFont SansFont(int pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace zorva
