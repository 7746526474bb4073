#include "platform/window_zoom.h"

#include <QtGui/private/qhighdpiscaling_p.h>

#include <QByteArray>
#include <QtGlobal>

namespace zorva {

double DesktopScaleFactor() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

void ApplyZoom(double zoom) {
    QHighDpiScaling::setGlobalFactor(DesktopScaleFactor() * zoom);
}

} // namespace zorva
