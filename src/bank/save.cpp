#include "bank/save.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

#include "platform/button_pictures.h"
#include "platform/fonts.h"
#include "platform/translations.h"

namespace zorva {

namespace {

constexpr QSize ClientSize(616, 360);
constexpr QSize PanelSize(289, 65);
constexpr std::array<int, 2> PanelColumns{16, 312};
constexpr std::array<int, 4> PanelRows{16, 88, 160, 232};
constexpr int CreditsLeft = 8;
constexpr int CreditsWidth = 105;

QLabel* PanelLabel(QWidget* panel, const QRect& place, Qt::Alignment alignment) {
    auto* label = new QLabel(panel);
    label->setGeometry(place);
    label->setFont(GameFont(8));
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QPushButton* KindButton(QWidget* parent, const QString& caption, const QIcon& icon, const QRect& place) {
    auto* button = new QPushButton(icon, caption, parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

} // namespace

void OpenSlotDialog(TGameSession& session, TSlotDialogMode mode, TDesktop& desktop, QWidget* parent) {
    TLoadSave dialog(session, mode, desktop, parent);
    dialog.exec();
}

TLoadSave::TLoadSave(TGameSession& session, TSlotDialogMode mode, TDesktop& desktop, QWidget* parent)
    : TGameDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), desktop_(desktop),
      rules_(session, mode, desktop) {
    setFixedSize(ClientSize);
    setFont(GameFont(8, true));
    setWindowTitle(mode == TSlotDialogMode::Save ? tr("Save a Game -- Select Game Slot")
                                                 : tr("Open a Game -- Select Game Slot"));

    auto* bevel = new QFrame(this);
    bevel->setGeometry(0, 8, 617, 297);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    for (int panel = 1; panel <= SlotPanelCount; ++panel) {
        BuildPanel(panel);
    }
    CancelBtn = KindButton(this, tr("&Cancel"), CrossPicture(ButtonPictureSize), QRect(508, 316, 97, 37));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    HelpBtn = KindButton(this, tr("&Help"), QuestionPicture(ButtonPictureSize), QRect(8, 316, 97, 37));
    connect(HelpBtn, &QPushButton::clicked, this, &TLoadSave::ShowHelp);

    FormCreate();
    CentreOnScreen();
}

void TLoadSave::BuildPanel(int panel) {
    const int i = panel - 1;
    auto* frame = new QFrame(this);
    frame->setGeometry(QRect(QPoint(PanelColumns[i / 4], PanelRows[i % 4]), PanelSize));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setAccessibleName(QCoreApplication::translate("Accessibility", "Slot %1").arg(panel));

    Name[i] = new QLineEdit(frame);
    Name[i]->setGeometry(8, 8, 233, 20);
    Name[i]->setFont(GameFont(8));
    Name[i]->setFrame(false);
    QPalette face = Name[i]->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    Name[i]->setPalette(face);

    Game[i] = PanelLabel(frame, QRect(8, 28, 129, 13), Qt::AlignLeft);
    date[i] = PanelLabel(frame, QRect(168, 28, 57, 13), Qt::AlignRight);
    credits[i] = PanelLabel(frame, QRect(CreditsLeft, 48, CreditsWidth, 13), Qt::AlignLeft);
    borrowed[i] = PanelLabel(frame, QRect(112, 48, 113, 13), Qt::AlignRight);

    SlotButtons[i] = KindButton(frame, tr("OK"), TickPicture(ButtonPictureSize), QRect(232, 16, 49, 37));
    SlotButtons[i]->setProperty("tag", panel);
    // Eight buttons read "OK": each says which slot it takes.
    SlotButtons[i]->setAccessibleName(QCoreApplication::translate("Accessibility", "OK, slot %1").arg(panel));
    Name[i]->setAccessibleName(QCoreApplication::translate("Accessibility", "Name of slot %1").arg(panel));
    connect(SlotButtons[i], &QPushButton::clicked, this, [this, panel] { BitBtn7Click(panel); });
}

void TLoadSave::FormCreate() {
    rules_.Start();
    // Without the opening save no slot was read: the panels stay blank and cannot be chosen.
    for (int panel = 1; panel <= SlotPanelCount; ++panel) {
        if (rules_.HasPanels()) {
            FillPanel(panel, rules_.Panels()[panel - 1]);
        } else {
            Name[panel - 1]->setEnabled(false);
            SlotButtons[panel - 1]->setEnabled(false);
        }
    }
}

void TLoadSave::FillPanel(int panel, const TSlotPanel& slot) {
    const int i = panel - 1;
    Name[i]->setText(QString::fromStdString(slot.Name));
    Name[i]->setCursorPosition(0);
    Game[i]->setText(tr("Zorva Slots"));
    date[i]->setText(QString::fromStdString(slot.Date));
    // Plain digits in English, as the panels always had them; a translation groups them its own way.
    const QLocale numbers = ProgramLanguage().isEmpty() ? QLocale::c() : QLocale();
    credits[i]->setText(tr("%1 Credits").arg(numbers.toString(slot.Credits)));
    borrowed[i]->setText(tr("%1 Borrowed").arg(numbers.toString(slot.Borrowed)));
    // The system sans runs wider than the design's font: a long credit figure may take the free room
    // up to the debt's text instead of being cut.
    const QFontMetrics metrics(credits[i]->font());
    const int debtLeft = borrowed[i]->geometry().right() - metrics.horizontalAdvance(borrowed[i]->text());
    const int needed = metrics.horizontalAdvance(credits[i]->text());
    credits[i]->resize(std::max(CreditsWidth, std::min(needed, debtLeft - CreditsLeft - 4)),
                       credits[i]->height());
}

void TLoadSave::BitBtn7Click(int tag) {
    rules_.Choose(tag, Name[tag - 1]->text().toStdString());
    accept();
}

void TLoadSave::done(int result) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    QDialog::done(result);
}

void TLoadSave::FormClose() {
    rules_.Finish();
}

void TLoadSave::ShowHelp() {
    desktop_.ShowHelp(SlotDialogHelpTopic, this);
}

} // namespace zorva
