#include "doublegames/form_style.h"

#include <QPalette>
#include <QWidget>

namespace zorva {

void SetTextColour(QWidget* widget, uint32_t value) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ColourValue(value));
    palette.setColor(QPalette::Text, ColourValue(value));
    palette.setColor(QPalette::Base, ColourValue(colour::Black));
    widget->setPalette(palette);
}

} // namespace zorva
