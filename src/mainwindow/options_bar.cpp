#include "mainwindow/options_bar.h"

#include <QCoreApplication>
#include <QPainter>

#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

constexpr std::array<const char*, OptionButtonCount> Captions{
    QT_TRANSLATE_NOOP("TOptionsBar", "Help?"),     QT_TRANSLATE_NOOP("TOptionsBar", "Pay Mode"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Pay Chart"), QT_TRANSLATE_NOOP("TOptionsBar", "Borrow"),
    QT_TRANSLATE_NOOP("TOptionsBar", "New Game"),  QT_TRANSLATE_NOOP("TOptionsBar", "Summary"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Auto Spin"), QT_TRANSLATE_NOOP("TOptionsBar", "Exit"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Sound"),     QT_TRANSLATE_NOOP("TOptionsBar", "WWW Site"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Double"),    QT_TRANSLATE_NOOP("TOptionsBar", "Save Game"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Load Game"), QT_TRANSLATE_NOOP("TOptionsBar", "Stats")};

constexpr std::array<const char*, OptionButtonCount> StartingHints{
    QT_TRANSLATE_NOOP("TOptionsBar", "View the Zorva Slots Manual"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Instant Payoff or Count Off Credits"),
    QT_TRANSLATE_NOOP("TOptionsBar", "View the Zorva Slots Payoff Chart"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Borrow Credits"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Start a New Game"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Summary of Last Spin"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Click to Start Auto Spin Mode"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Exit"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Click to Turn Sound On or Off"),
    QT_TRANSLATE_NOOP("TOptionsBar",
                      "Visit the Zorva Slots home page: news, the manual and how to report a problem"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Click to Disable the Double or Nothing Bonus Game"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Save a Game"),
    QT_TRANSLATE_NOOP("TOptionsBar", "Load a Game"),
    QT_TRANSLATE_NOOP("TOptionsBar", "View Your Zorva Slots Statistics"),
};

constexpr double CaptionPoints = 8;

} // namespace

TOptionsBar::TOptionsBar(QWidget* window, const TWindowLayout& layout, const QImage& options,
                         const TGameSession& session, int pixelsPerInch)
    : Template(options.convertToFormat(QImage::Format_RGB32)), Session(session) {
    const int dotsPerMeter = PaintedTextDotsPerMeter(pixelsPerInch);
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
    return QCoreApplication::translate("TOptionsBar", Captions[tag]);
}

QString TOptionsBar::StartingHint(int tag) {
    return QCoreApplication::translate("TOptionsBar", StartingHints[tag]);
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
        const QSize size = LogicalSize(picture);
        const double points = FittingPointSize(caption, CaptionPoints, size.width() - 4, picture);
        QPainter painter(&picture);
        painter.setFont(GameFont(points));
        painter.setPen(CaptionColour(button->Tag));
        painter.drawText(QRect(QPoint(), size), Qt::AlignCenter, caption);
        painter.end();
        button->Picture = picture;
        button->update();
    }
}

} // namespace zorva
