// Lays every baked picture out on one sheet, and shows the machine faces as a player
// would see them: symbols in their windows, a spinning wheel, the mystery boxes, and
// the whole window laid out for 640, 800, 1024 and 1920 pixel screens.
#include "art/builtin_art.h"
#include "art/program_art.h"
#include "engine/geometry.h"
#include "engine/symbols.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace zorva;
namespace program = zorva::art::program;

namespace {

QImage Load(const QString& file) {
    QImage image(file);
    if (image.isNull())
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
    return image;
}

QImage ContactSheet(const QString& programFolder) {
    struct TItem {
        QString Label;
        QImage Image;
    };
    std::vector<TItem> items;
    for (const art::TProgramPicture& picture : art::ProgramPictures)
        items.push_back({picture.FileName, Load(QDir(programFolder).filePath(picture.FileName))});
    for (const art::TBuiltinPicture& picture : art::AllBuiltinPictures)
        items.push_back({QString(picture.Path).mid(6), Load(picture.Path)});

    // Shelf packing, left to right, into rows of a fixed width.
    constexpr int sheetWidth = 2000, gap = 14, labelHeight = 16;
    std::vector<QPoint> places;
    int x = gap, y = gap, shelf = 0;
    for (const TItem& item : items) {
        const int w = qMax(item.Image.width(), 80);
        if (x + w + gap > sheetWidth) {
            x = gap;
            y += shelf + labelHeight + gap;
            shelf = 0;
        }
        places.emplace_back(x, y);
        x += w + gap;
        shelf = qMax(shelf, item.Image.height());
    }
    QImage sheet(sheetWidth, y + shelf + labelHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x44, 0x4c));
    QPainter p(&sheet);
    p.setFont(QFont("DejaVu Sans", 8));
    p.setPen(Qt::white);
    for (size_t i = 0; i < items.size(); ++i) {
        p.drawImage(places[i] + QPoint(0, labelHeight), items[i].Image);
        p.drawText(places[i] + QPoint(0, 11), items[i].Label);
    }
    return sheet;
}

struct TSet {
    int SymbolSize;
    QString Face, Sheet, Motion, Mystery;
};

TSet NormalSet(int symbolSize) {
    return symbolSize == 64 ? TSet{64, program::Inter.FileName, program::Zorva64.FileName,
                                   program::Motion2.FileName, program::Barsml.FileName}
                            : TSet{96, program::Interbig.FileName, program::Zorva96.FileName,
                                   program::Motion.FileName, program::BigBar.FileName};
}

TSet Set256(int symbolSize) {
    return symbolSize == 64 ? TSet{64, program::Inter256.FileName, program::Zor64256.FileName,
                                   program::Moti2256.FileName, program::Barsm256.FileName}
                            : TSet{96, program::Inbig256.FileName, program::Zor96256.FileName,
                                   program::Motio256.FileName, program::Bigb256.FileName};
}

// The machine as the window draws it: face, resting symbols by the engine's own geometry,
// wheel 8 caught mid-spin, and the mystery boxes below with box 2 lit.
void PaintMachine(QPainter& p, const QString& folder, const TSet& set, const TMachineGeometry& g) {
    const QImage face = Load(QDir(folder).filePath(set.Face));
    const QImage sheet = Load(QDir(folder).filePath(set.Sheet));
    const QImage motion = Load(QDir(folder).filePath(set.Motion));
    const QImage mystery = Load(QDir(folder).filePath(set.Mystery));
    p.drawImage(g.MachineLeft, g.MachineTop, face);
    TStrips strips{};
    BuildStrips(strips);
    const int s = set.SymbolSize;
    for (int w = 0; w < WheelCount; ++w) {
        const int code = strips[w][InitialStops[w]];
        if (w == 8) {
            const TRect window = WheelWindow(g, w);
            const int offset = 540;
            const int first = qMin(window.Height(), motion.height() - offset);
            p.drawImage(QPoint(window.Left, window.Top), motion, QRect(0, offset, s, first));
            p.drawImage(QPoint(window.Left, window.Top + first), motion,
                        QRect(0, 0, s, window.Height() - first));
            continue;
        }
        const TRect cell = WheelCell(g, w);
        p.drawImage(QPoint(cell.Left, cell.Top), sheet, QRect((code % 4) * s, (code / 4) * s, s, s));
    }
    const int boxWidth = mystery.width() / 9, boxHeight = mystery.height() / 2;
    for (int i = 0; i < 8; ++i) {
        const int left = g.MachineLeft + 2 + i * boxWidth + (g.ScreenWidth < 1000 ? 20 : 0);
        p.drawImage(QPoint(left, g.MachineTop + face.height()), mystery,
                    QRect(i * boxWidth, i == 2 ? 0 : boxHeight, boxWidth, boxHeight));
    }
}

QImage MachineComposite(const QString& folder, int symbolSize) {
    const QImage face = Load(QDir(folder).filePath(NormalSet(symbolSize).Face));
    const int screenWidth = symbolSize == 64 ? 800 : 1024;
    const int height = face.height() + face.height() / 6 + 16;
    QImage image(2 * face.width() + 48, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    for (int set = 0; set < 2; ++set) {
        const int left = 16 + set * (face.width() + 16);
        const TMachineGeometry g{screenWidth, left, 8, symbolSize};
        PaintMachine(p, folder, set == 0 ? NormalSet(symbolSize) : Set256(symbolSize), g);
    }
    return image;
}

// The main window's layout on a screen of the given width, drawn with the built-in pictures,
// to check that nothing overlaps.
QImage ScreenLayout(const QString& folder, int screenWidth, int screenHeight) {
    const int symbolSize = screenWidth < 1000 ? 64 : 96;
    const TSet set = NormalSet(symbolSize);
    const QImage face = Load(QDir(folder).filePath(set.Face));
    const int machineTop = screenWidth <= 690 ? 0 : screenWidth < 1000 ? 50 : 12;
    const TMachineGeometry g{screenWidth, (screenWidth - face.width()) / 2, machineTop, symbolSize};
    const int band = screenWidth < 700 ? 0 : screenWidth < 1000 ? 1 : 2;
    const int m = g.MachineLeft + face.width();
    QImage image(screenWidth - 10, screenHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    PaintMachine(p, folder, set, g);

    const QImage spin = Load(art::SpinBtn.Path), stop = Load(art::StopBtn.Path),
                 options = Load(art::Options.Path);
    const int buttonLeft = m + (screenWidth - m) / 2 - spin.width() / 2;
    const int stopTop = g.MachineTop + face.height() - stop.height();
    const int spinTop = stopTop - 10 - spin.height();
    p.drawImage(buttonLeft, stopTop, stop);
    p.drawImage(buttonLeft, spinTop, spin);
    const int optionsTop = spinTop - options.height() - 20;
    for (int i = 0; i < 14; ++i)
        p.drawImage(buttonLeft + (i / 7) * options.width(), optionsTop - (i % 7) * options.height(), options);

    const QImage logo = Load(QDir(folder).filePath(program::Logo.FileName));
    p.drawImage((g.MachineLeft - logo.width()) / 2, stopTop + stop.height() - logo.height(), logo);

    // Labels and meters at their places for the band.
    struct TLabel {
        const char* Text;
        int X[3], Y[3];
        bool RightOfMachine;
    };
    const TLabel labels[] = {
        {"Credits:", {10, 10, 10}, {10, 10, 5}, false},
        {"Bonus Pool:", {10, 10, 10}, {60, 70, 100}, false},
        {"Win 3 FREE Spins:", {10, 10, 10}, {124, 128, 200}, false},
        {"Lines Played:", {10, 20, 5}, {5, 5, 5}, true},
        {"Coins/Line:", {89, 145, 130}, {5, 5, 5}, true},
        {"Coins Played:", {15, 40, 15}, {70, 80, 150}, true},
    };
    const int points[3] = {8, 12, 14};
    QFont font("DejaVu Sans");
    font.setPointSize(points[band]);
    p.setFont(font);
    p.setPen(Qt::yellow);
    for (const TLabel& label : labels)
        p.drawText(
            QPoint(label.X[band] + (label.RightOfMachine ? m : 0), label.Y[band] + p.fontMetrics().ascent()),
            label.Text);
    const QImage digits = Load(band == 2 ? art::DigitsLarge.Path : art::DigitsSmall.Path);
    const QImage green = Load(band == 2 ? art::GreenLarge.Path : art::GreenSmall.Path);
    const int gw = band == 2 ? 32 : 16, gh = band == 2 ? 42 : 21;
    auto number = [&](const QImage& strip, QString text, int x, int y) {
        for (QChar c : text) {
            p.drawImage(QPoint(x, y), strip, QRect(c.digitValue() * gw, 0, gw, gh));
            x += gw;
        }
    };
    const int creditsXY[3][2] = {{10, 30}, {10, 30}, {5, 30}};
    number(digits, "1000000", creditsXY[band][0], creditsXY[band][1]);
    const int poolXY[3][2] = {{5, 80}, {10, 90}, {5, 125}};
    number(green, "1234", poolXY[band][0], poolXY[band][1]);
    const int linesX[3] = {10, 20, 5}, coinsX[3] = {85, 145, 130};
    number(green, "8", m + linesX[band], 30);
    number(green, "8", m + coinsX[band], 30);
    const int playedXY[3][2] = {{140, 65}, {195, 78}, {227, 140}};
    number(digits, "64", m + playedXY[band][0] - 2 * gw, playedXY[band][1]);
    if (band == 2) {
        font.setPointSize(14);
        p.setFont(font);
        p.drawText(QPoint(m + 15, 250 + p.fontMetrics().ascent()), "Winnings:");
        number(green, "250", m + 168, 243);
    } else if (band == 1) {
        p.drawText(QPoint(g.MachineLeft, 5 + p.fontMetrics().ascent()), "Winnings:");
        number(green, "250", g.MachineLeft + p.fontMetrics().horizontalAdvance("Winnings:") - 3 * gw,
               5 + p.fontMetrics().height());
    }

    const QImage icons = Load(screenWidth < 700 ? art::Bonus16.Path : art::Bonus.Path);
    const int iw = icons.width();
    const int globeXY[3][2] = {{125, 65}, {190, 80}, {200, 100}};
    const int dollarXY[3][2] = {{10, 140}, {0, 150}, {0, 230}};
    for (int k = 0; k < 3; ++k)
        p.drawImage(QPoint(globeXY[band][0] - k * iw, globeXY[band][1]), icons, QRect(0, 0, iw, iw));
    for (int k = 0; k < 6; ++k)
        p.drawImage(QPoint(dollarXY[band][0] + k * iw, dollarXY[band][1]), icons, QRect(0, iw, iw, iw));

    const QImage adjusters = Load(band == 2 ? art::PlusMinus.Path : art::PlusSmall.Path);
    const int linesLeft = m + (band == 0 ? 36 : band == 1 ? 48 : 39);
    const int coinsLeft = linesLeft + (band == 0 ? 75 : band == 1 ? 121 : 125);
    const int hw = adjusters.width() / 2, top = band == 2 ? 36 : 32;
    for (int left : {linesLeft, coinsLeft}) {
        p.drawImage(QPoint(left, top), adjusters, QRect(0, 0, hw, adjusters.height()));
        p.drawImage(QPoint(left + hw + 5, top), adjusters, QRect(hw, 0, hw, adjusters.height()));
    }
    return image;
}

void Save(const QImage& image, const QString& file) {
    if (!image.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorva-contact-sheet <program folder> <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    Save(ContactSheet(folder), out.filePath("contact_sheet.png"));
    Save(MachineComposite(folder, 64), out.filePath("machine_64.png"));
    Save(MachineComposite(folder, 96), out.filePath("machine_96.png"));
    for (auto [w, h] :
         {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}, std::pair{1920, 1080}})
        Save(ScreenLayout(folder, w, h), out.filePath(QString("screen_%1x%2.png").arg(w).arg(h)));
    return 0;
}
