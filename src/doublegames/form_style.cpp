#include "doublegames/form_style.h"

#include <QPalette>
#include <QWidget>

namespace zorva {

QFont SansFont(int pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void SetTextColour(QWidget* widget, uint32_t value) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ColourValue(value));
    palette.setColor(QPalette::Text, ColourValue(value));
    palette.setColor(QPalette::Base, ColourValue(colour::Black));
    widget->setPalette(palette);
}

} // namespace zorva
