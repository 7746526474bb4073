#include "mainwindow/options_bar.h"

#include <QPainter>

#include "platform/fonts.h"

namespace zorva {

namespace {

constexpr std::array<const char*, OptionButtonCount> Captions{
    "Help?", "Pay Mode", "Pay Chart", "Borrow", "New Game",  "Summary",   "Auto Spin",
    "Exit",  "Sound",    "WWW Site",  "Double", "Save Game", "Load Game", "Stats"};

constexpr std::array<const char*, OptionButtonCount> StartingHints{
    "View the Zorva Slots Manual",
    "Instant Payoff or Count Off Credits",
    "View the Zorva Slots Payoff Chart",
    "Borrow Credits",
    "Start a New Game",
    "Summary of Last Spin",
    "Click to Start Auto Spin Mode",
    "Exit",
    "Click to Turn Sound On or Off",
    "Visit the Zorva Slots home page: news, the manual and how to report a problem",
    "Click to Disable the Double or Nothing Bonus Game",
    "Save a Game",
    "Load a Game",
    "View Your Zorva Slots Statistics",
};

constexpr double CaptionPoints = 8;

} // namespace

TOptionsBar::TOptionsBar(QWidget* window, const TWindowLayout& layout, const QImage& options,
                         const TGameSession& session, int pixelsPerInch)
    : Template(options.convertToFormat(QImage::Format_RGB32)), Session(session) {
    const int dotsPerMeter = qRound(pixelsPerInch / 0.0254);
    Template.setDotsPerMeterX(dotsPerMeter);
    Template.setDotsPerMeterY(dotsPerMeter);
    for (int tag = 0; tag < OptionButtonCount; ++tag) {
        auto* button = new TImageControl(window, tag, Template);
        const TRect r = layout.OptionButtonRect(tag);
        button->setGeometry(r.Left, r.Top, r.Width(), r.Height());
        button->setToolTip(StartingHint(tag));
        button->setAccessibleName(Caption(tag));
        button->setAccessibleDescription(StartingHint(tag));
        OptionButtons[tag] = button;
    }
}

QString TOptionsBar::Caption(int tag) {
    return QString::fromLatin1(Captions[tag]);
}

QString TOptionsBar::StartingHint(int tag) {
    return QString::fromLatin1(StartingHints[tag]);
}

void TOptionsBar::SetHint(int tag, const QString& hint) {
    OptionButtons[tag]->setToolTip(hint);
    OptionButtons[tag]->setAccessibleDescription(hint);
}

QString TOptionsBar::Hint(int tag) const {
    return OptionButtons[tag]->toolTip();
}

QColor TOptionsBar::CaptionColour(int tag) const {
    if (tag == option::AutoSpin && Session.AutoSpin)
        return Qt::white;
    if ((tag == option::Sound && !Session.Sound) || (tag == option::Double && !Session.Double) ||
        (tag == option::PayMode && !Session.PayMode))
        return QColor(192, 192, 192);
    return Qt::black;
}

// Each caption goes onto a fresh copy of the blank button, so a colour change leaves no fringe.
void TOptionsBar::DrawOptionCaptions() {
    for (TImageControl* button : OptionButtons) {
        const QString caption = Caption(button->Tag);
        QImage picture = Template;
        const double points = FittingPointSize(caption, CaptionPoints, picture.width() - 4, picture);
        QPainter painter(&picture);
        painter.setFont(GameFont(points));
        painter.setPen(CaptionColour(button->Tag));
        painter.drawText(picture.rect(), Qt::AlignCenter, caption);
        painter.end();
        button->Picture = picture;
        button->update();
    }
}

} // namespace zorva
