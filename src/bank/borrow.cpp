#include "bank/borrow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "art/builtin_art.h"
#include "platform/button_pictures.h"
#include "platform/fonts.h"
#include "platform/sharp_pictures.h"

namespace zorva {

namespace {

// The two amounts are painted with digit pictures; a screen reader reads them from here.
void DescribeAmounts(QWidget& dialog, const TGameSession& session) {
    dialog.setAccessibleDescription(QCoreApplication::translate("Accessibility", "Credits: %1; Borrowed: %2")
                                        .arg(session.Credits)
                                        .arg(session.Borrowed));
}

constexpr QSize ClientSize(582, 300);
constexpr std::array<int, 4> ChipButtonLefts{89, 201, 313, 425};
constexpr std::array<art::TBuiltinPicture, 4> ChipPictures{art::chips::Chip1000, art::chips::Chip100,
                                                           art::chips::Chip10, art::chips::Chip1};

// "%7.2f": whole credits with two decimals in a field of at least seven characters, the decimal
// point the locale's. Built by hand, as printf would take its point from the C library instead.
QString AmountText(int32_t amount) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("%1").arg(locale.toString(static_cast<double>(amount), 'f', 2), 7);
}

QString NoticeText(const TBankNotice& notice) {
    const QString pattern = QCoreApplication::translate(BankNoticeContext, notice.Pattern);
    if (TBankNotice::SameText(notice.Pattern, TooFewCreditsNotice))
        return pattern.arg(AmountText(notice.Amount));
    return pattern.contains(QLatin1String("%1")) ? pattern.arg(notice.Amount) : pattern;
}

// The chips are sixteen-colour pictures whose bottom-left colour stands for "no paint".
// At a fractional ratio the twin is keyed before it is scaled, or the key colour would blend into
// the chip's edge.
QPixmap ChipPicture(const art::TBuiltinPicture& picture, double ratio) {
    const int scale = TwinScaleFor(ratio);
    QImage image = ReadBuiltinPictureFor(picture.Path, scale).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == key) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QPixmap::fromImage(PictureForRatio(image, image, ratio, scale));
}

} // namespace

void OpenBorrowDialog(TGameSession& session, TDesktop& desktop, QWidget* parent) {
    TBorrowC dialog(session, desktop, parent);
    dialog.exec();
}

TBorrowC::TBorrowC(TGameSession& session, TDesktop& desktop, QWidget* parent)
    : TGameDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), session_(session),
      desktop_(desktop), digits_(DigitStripsFor(desktop.Screen().Width, devicePixelRatioF())) {
    setWindowTitle(tr("Use this form to borrow or pay back credits"));
    DescribeAmounts(*this, session_);
    setFixedSize(ClientSize);
    setFont(GameFont(10));
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    setPalette(yellow);
    setAutoFillBackground(true);

    for (std::size_t tag = 0; tag < AmountButtons.size(); ++tag) {
        auto* button = new QPushButton(this);
        button->setGeometry(ChipButtonLefts[tag], 104, 80, 57);
        button->setIcon(ChipPicture(ChipPictures[tag], devicePixelRatioF()));
        button->setIconSize(QSize(ChipPictures[tag].Width, ChipPictures[tag].Height));
        button->setAutoDefault(false);
        button->setProperty("tag", static_cast<int>(tag));
        button->setAccessibleName(QString::number(ChipAmounts[tag]));
        button->setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "%1 credits").arg(ChipAmounts[tag]));
        connect(button, &QPushButton::clicked, this, [this, tag] { BitBtn1Click(static_cast<int>(tag)); });
        AmountButtons[tag] = button;
    }

    Label1 = new QLabel(tr("Mode:"), this);
    Label1->setFont(GameFont(14));
    Label1->move(56, 192);
    Label1->adjustSize();
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);

    RadioButton1 = new QRadioButton(tr("Borrow Credits"), this);
    RadioButton1->setGeometry(147, 192, 190, 33);
    RadioButton1->setFont(GameFont(12));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(tr("Pay Back Credits"), this);
    RadioButton2->setGeometry(355, 192, 190, 33);
    RadioButton2->setFont(GameFont(12));
    FitTextToWidth(*RadioButton1);
    FitTextToWidth(*RadioButton2);

    OKBtn = new QPushButton(TickPicture(ButtonPictureSize), tr("&OK"), this);
    OKBtn->setGeometry(442, 246, 127, 46);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn7 = new QPushButton(QuestionPicture(ButtonPictureSize), tr("&Help"), this);
    BitBtn7->setGeometry(10, 246, 127, 46);
    BitBtn7->setAutoDefault(false);
    connect(BitBtn7, &QPushButton::clicked, this, &TBorrowC::BitBtn7Click);

    CentreOnScreen();
}

TBankMode TBorrowC::Mode() const {
    return RadioButton1->isChecked() ? TBankMode::Borrow : TBankMode::PayBack;
}

int TBorrowC::HelpTopic() const {
    return Mode() == TBankMode::Borrow ? BorrowHelpTopic : PayBackHelpTopic;
}

void TBorrowC::PaintFace(QPainter& canvas) {
    FormPaint(canvas);
}

void TBorrowC::FormPaint(QPainter& canvas) {
    canvas.setFont(GameFont(10, true));
    canvas.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(canvas.font());
    const QString creditsCaption = tr("Credits:");
    const int captionTop = 20 + metrics.ascent();
    const int width = Face()->width();
    canvas.drawText(width - 35 - metrics.horizontalAdvance(creditsCaption), captionTop, creditsCaption);
    canvas.drawText(20, captionTop, tr("Borrowed:"));

    DrawNumber(canvas, digits_, session_.Credits, width - 30, 40, false, true, false);
    DrawNumber(canvas, digits_, session_.Borrowed, 20, 40, true, false, false);
}

void TBorrowC::BitBtn1Click(int tag) {
    const TBankNotice notice = PressAmount(session_, Mode(), ChipAmounts[tag]);
    update();
    DescribeAmounts(*this, session_);
    if (notice.Pattern) {
        desktop_.ShowInformation(NoticeText(notice).toStdString());
    }
}

void TBorrowC::BitBtn7Click() {
    desktop_.ShowInformation(
        tr("Use this screen to borrow credits or pay back credits that you borrowed "
           "previously.  Click on the button representing the amount to borrow (or pay "
           "back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode.")
            .toStdString());
}

void TBorrowC::ShowHelp() {
    desktop_.ShowHelp(HelpTopic(), this);
}

} // namespace zorva
