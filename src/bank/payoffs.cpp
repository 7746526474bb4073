#include "bank/payoffs.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

#include "art/program_art.h"
#include "platform/picture_file.h"
#include "platform/sharp_pictures.h"
#include "platform/translations.h"

namespace zorva {

namespace {

constexpr QSize DesignClientSize(art::program::Paychart.Width, art::program::Paychart.Height);

// The chart has sentences in it, so each language has its own: Paychart.<language>.bmp beside the
// English Paychart.bmp.
QString ChartFileName(const QString& programFolder) {
    const QString english = QString::fromLatin1(art::program::Paychart.FileName);
    const QString language = ProgramLanguage();
    if (language.isEmpty())
        return english;
    const QString translated =
        QFileInfo(english).completeBaseName() + QLatin1Char('.') + language + QStringLiteral(".bmp");
    return QFileInfo::exists(QDir(programFolder).filePath(translated)) ? translated : english;
}

} // namespace

void OpenPaychart(const QString& programFolder, TDesktop& desktop, QWidget* parent) {
    TPaychart chart(programFolder, desktop, parent);
    chart.exec();
}

TPaychart::TPaychart(const QString& programFolder, TDesktop& desktop, QWidget* parent)
    : TGameDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      desktop_(desktop) {
    setWindowTitle(tr("Payoff Chart"));
    Image1 = new QLabel(this);
    Image1->move(0, 0);
    FormCreate(programFolder);
    CentreOnScreen();
}

void TPaychart::FormCreate(const QString& programFolder) {
    setUpdatesEnabled(false);
    const QString fileName =
        QDir(programFolder).absoluteFilePath(ChartFileName(programFolder));
    const QImage single = ReadPicture(fileName, "BMP");
    // Sharp on a screen of high pixel density: the chart's twin for the screen, when it is there.
    const int scale = TwinScaleFor(devicePixelRatioF());
    const QImage twin =
        single.isNull() || scale == 1 ? QImage() : ReadPicture(TwinPath(fileName, scale), "PNG");
    const QPixmap chart = QPixmap::fromImage(twin.size() == single.size() * scale
                                                 ? PictureForRatio(single, twin, devicePixelRatioF(), scale)
                                                 : single);
    if (chart.isNull()) {
        desktop_.ShowError(tr("Cannot open file %1").arg(QDir::toNativeSeparators(fileName)).toStdString());
        setFixedSize(DesignClientSize);
    } else {
        Image1->setPixmap(chart);
        Image1->resize(chart.deviceIndependentSize().toSize());
        setFixedSize(Image1->size());
    }
    setUpdatesEnabled(true);
}

void TPaychart::ShowHelp() {
    desktop_.ShowHelp(PaychartHelpTopic, this);
}

} // namespace zorva
