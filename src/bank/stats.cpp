#include "bank/stats.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "bank/credit_plot.h"
#include "bank/stats_rules.h"
#include "platform/button_pictures.h"
#include "platform/fonts.h"

namespace zorva {

namespace {

// The figures keep their design area; the plot of the run sits below them.
constexpr int FiguresHeight = 252;
constexpr QRect PlotPlace(12, FiguresHeight, 608, 212);
constexpr QSize ClientSize(632, FiguresHeight + PlotPlace.height() + 8);

// The window for a screen reader: its controls without the captions, which their figures read.
class TStatsFormAccessible : public QAccessibleWidget {
  public:
    explicit TStatsFormAccessible(TStatsForm* form) : QAccessibleWidget(form, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(Controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> controls = Controls();
        return index >= 0 && index < static_cast<int>(controls.size()) ? controls[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> controls = Controls();
        const auto found = std::find(controls.begin(), controls.end(), child);
        return found == controls.end() ? -1 : static_cast<int>(found - controls.begin());
    }

  private:
    std::vector<QAccessibleInterface*> Controls() const {
        const auto* form = static_cast<const TStatsForm*>(widget());
        std::vector<QAccessibleInterface*> controls;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* control = QAccessibleWidget::child(i);
            if (control != nullptr && !form->IsCaption(control->object()))
                controls.push_back(control);
        }
        return controls;
    }
};

QAccessibleInterface* StatsFactory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<TStatsForm*>(object))
        return new TStatsFormAccessible(form);
    return nullptr;
}

} // namespace

void OpenStatistics(const TGameSession& session, TDesktop& desktop, QWidget* parent) {
    TStatsForm form(session, QLocale(), desktop, parent);
    form.exec();
}

TStatsForm::TStatsForm(const TGameSession& session, const QLocale& locale, TDesktop& desktop, QWidget* parent)
    : TGameDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), locale_(locale), desktop_(desktop) {
    QAccessible::installFactory(StatsFactory);
    setWindowTitle(tr("Your Game Statistics"));
    setFixedSize(ClientSize);
    setFont(GameFont(10));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);

    BitBtn1 = new QPushButton(TickPicture(ButtonPictureSize), tr("OK"), this);
    BitBtn1->setGeometry(528, 192, 89, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate(session);
    CentreOnScreen();
}

void TStatsForm::FormCreate(const TGameSession& session) {
    const TStatistics s = ComputeStatistics(session);
    const std::string separator = locale_.groupSeparator().toStdString();
    const auto figure = [&separator](int64_t value) {
        return QString::fromStdString(FormatFigure(value, separator));
    };

    ReadTogether(Caption("Label1", tr("Spins:"), {12, 14}),
              Value("Label11", figure(s.Spins), {225, 14}, 56, true));
    ReadTogether(Caption("Label34", tr("Regular Spins:"), {28, 38}),
              Value("Label37", figure(s.RegularSpins), {147, 38}, 110, false));
    ReadTogether(Caption("Label36", tr("Free Spins:"), {28, 62}),
              Value("Label39", figure(s.FreeSpins), {147, 62}, 110, false));
    ReadTogether(Caption("Label2", tr("Credits:"), {12, 110}),
              Value("Label12", figure(s.Credits), {225, 110}, 56, true));
    ReadTogether(Caption("Label3", tr("Borrowed:"), {12, 142}),
              Value("Label13", figure(s.Borrowed), {225, 142}, 56, true));

    ReadTogether(Caption("Label26", tr("Total Bets:"), {340, 14}),
              Value("Label27", figure(s.TotalBets), {553, 14}, 56, true));
    ReadTogether(Caption("Label4", tr("Payoffs:"), {340, 46}),
              Value("Label14", figure(s.Payoffs), {553, 46}, 56, true));
    ReadTogether(Caption("Label21", tr("Normal:"), {364, 70}),
              Value("Label22", figure(s.Normal), {475, 70}, 110, false), PayoffPart);
    ReadTogether(Caption("Label6", tr("Free Spins:"), {364, 94}),
              Value("Label16", figure(s.FreeSpinWinnings), {475, 94}, 110, false), PayoffPart);
    ReadTogether(Caption("Label7", tr("Bonus Pool:"), {364, 118}),
              Value("Label17", figure(s.BonusPool), {475, 118}, 110, false), PayoffPart);
    ReadTogether(Caption("Label8", tr("Double or Nothing:"), {364, 142}),
              Value("Label18", figure(s.DoubleOrNothing), {475, 142}, 110, false), PayoffPart);
    ReadTogether(Caption("Label5", tr("Mystery Bonus:"), {364, 166}),
              Value("Label9", figure(s.MysteryBonus), {475, 166}, 110, false), PayoffPart);

    QLabel* overall = Caption("Label23", tr("Overall Payoff Percentage:"), {12, 190}, true);
    const std::string point = locale_.decimalPoint().toStdString();
    const std::string sign =
        tr("%", "the percent sign after the payoff percentage, with any space the language puts before it")
            .toStdString();
    QLabel* percentage =
        Value("Label25", QString::fromStdString(FormatPercentage(s.Percentage, point, sign)), {217, 190}, 56, true);
    QPalette red = percentage->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    percentage->setPalette(red);

    auto* footnote = new QLabel(tr("(Does not include money won/lost on the double-or-nothing game)."), this);
    footnote->setObjectName(QStringLiteral("Label24"));
    footnote->setFont(GameFont(8));
    footnote->setWordWrap(true);
    footnote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    footnote->setGeometry(16, 208, 465, 41);
    // The note qualifies the percentage, and is read with it.
    ReadTogether(overall, percentage);
    percentage->setAccessibleName(percentage->accessibleName() + QLatin1Char(' ') + footnote->text());
    captions_.push_back(footnote);
    // Orca reads a dialog's loose labels as it opens, but only those of three words or more, in
    // rows across both columns; the figures are read from the description instead, column by column.
    QStringList figures;
    for (const QLabel* value : values_)
        figures << value->accessibleName();
    setAccessibleDescription(figures.join(QStringLiteral(". ")));

    Plot = new TCreditPlot(session.CreditHistory, session.Credits, locale_, this);
    Plot->setGeometry(PlotPlace);
}

QLabel* TStatsForm::Caption(const char* name, const QString& text, QPoint at, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(GameFont(10, bold));
    label->move(at);
    label->adjustSize();
    return label;
}

// A value keeps its design right edge and grows to the left as far as its text needs.
QLabel* TStatsForm::Value(const char* name, const QString& text, QPoint at, int width, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(GameFont(10, bold));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const QFontMetrics metrics(label->font());
    const int needed = std::max(width, metrics.horizontalAdvance(text.trimmed()));
    label->setGeometry(at.x() + width - needed, at.y(), needed, metrics.height());
    return label;
}

// A screen reader reads each figure with its caption as one line, "Spins: 1,234"; the caption
// itself is left out of the accessible tree so that nothing is read twice. The caption labels its
// figure, which keeps Orca from reading the figure again among the dialog's loose labels.
void TStatsForm::ReadTogether(QLabel* caption, QLabel* value, TFigure figure) {
    KeepClear(caption, value);
    const QString line = caption->text() + QLatin1Char(' ') + value->text().trimmed();
    // "Free Spins:" is both a number of spins and what they paid.
    value->setAccessibleName(
        figure == PayoffPart ? QCoreApplication::translate("Accessibility", "Payoffs, %1").arg(line) : line);
    caption->setBuddy(value);
    captions_.push_back(caption);
    values_.push_back(value);
}

bool TStatsForm::IsCaption(const QObject* object) const {
    return std::find(captions_.begin(), captions_.end(), object) != captions_.end();
}

// A caption ends clear of its figure's text, its font stepped down when a translation runs long.
void TStatsForm::KeepClear(QLabel* caption, const QLabel* value) {
    const int valueLeft = value->geometry().right() + 1 -
                          QFontMetrics(value->font()).horizontalAdvance(value->text().trimmed());
    const int room = valueLeft - 8 - caption->x();
    if (caption->width() > room) {
        caption->resize(room, caption->height());
        FitTextToWidth(*caption);
    }
}

QLabel* TStatsForm::Label(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void TStatsForm::ShowHelp() {
    desktop_.ShowHelp(StatisticsHelpTopic, this);
}

} // namespace zorva
