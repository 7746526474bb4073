#include "platform/screen_facts.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <cmath>

namespace zorva {

TScreenFacts ReadScreenFacts() {
    TScreenFacts facts;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return facts;
    facts.Width = screen->geometry().width();
    facts.Height = screen->geometry().height();
    facts.ColourDepth = screen->depth();
    facts.PixelsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
    facts.DevicePixelRatio = screen->devicePixelRatio();
    const QRect work = screen->availableGeometry();
    facts.WorkLeft = work.left();
    facts.WorkTop = work.top();
    facts.WorkWidth = work.width();
    facts.WorkHeight = work.height();
    return facts;
}

} // namespace zorva
