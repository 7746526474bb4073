#include "platform/screen_facts.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace zorva {

namespace {

std::optional<TScreenFacts>& InjectedFacts() {
    static std::optional<TScreenFacts> facts;
    return facts;
}

} // namespace

TScreenFacts ReadScreenFacts() {
    if (InjectedFacts())
        return *InjectedFacts();
    TScreenFacts facts;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return facts;
    facts.Width = screen->geometry().width();
    facts.Height = screen->geometry().height();
    facts.ColourDepth = screen->depth();
    facts.PixelsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
    return facts;
}

void InjectScreenFacts(std::optional<TScreenFacts> facts) {
    InjectedFacts() = facts;
}

} // namespace zorva
