// Lays every baked picture out on one sheet, and draws the main window as a player sees it on
// 640, 800, 1024 and 1920 pixel screens: the window's own panel, logo and option buttons over
// the artwork the window itself chooses, with the machine faces of both colour sets cut out.
#include "art/builtin_art.h"
#include "art/program_art.h"
#include "engine/machine.h"
#include "engine/session.h"
#include "engine/silent_host.h"
#include "mainwindow/image_control.h"
#include "mainwindow/machine_face.h"
#include "mainwindow/options_bar.h"
#include "platform/screen_facts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>

using namespace zorva;

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


// The panel's canvas shown the way the main window shows it, under its child controls.
class TCanvasView : public QWidget {
  public:
    explicit TCanvasView(const TPanel& panel) : Panel(panel) { resize(panel.DesignRect().size()); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        Panel.CopyTo(painter, rect());
    }

  private:
    const TPanel& Panel;
};

struct TWindowShot {
    QImage Window;
    QRect Machine; // the face with the mystery boxes below it
};

// The main window on a screen with these facts, built from the program folder as the window builds
// itself: a game under way, wheel 8 caught mid-spin and mystery box 2 lit.
TWindowShot WindowAsSeen(const QString& folder, const TScreenFacts& screen) {
    TGameSession session;
    SetStartupValues(session);
    session.Credits = 1000000;
    session.BonusPool = 1234;
    session.CoinsPerLine = 8;
    session.SpinWinnings = 250;
    TSilentHost host(0); // nothing on this sheet animates, sounds, waits or opens
    TSlotMachine machine(session, host);
    machine.MysteryLit[2] = true;

    TMachineFace face;
    face.Assemble(LoadArtwork(folder, screen), screen, session, machine);
    const TWindowLayout& layout = face.Layout;
    const TPanelPictures& pictures = face.Pictures;
    TPanel& panel = *face.Panel;
    panel.FormPaint();
    panel.DrawBlur(8, 540);

    TCanvasView view(panel);
    TImageControl logo(&view, -1, pictures.Logo);
    logo.move(layout.LogoRect.Left, layout.LogoRect.Top);
    TOptionsBar options(&view, layout, pictures.Options, session, screen.PixelsPerInch);
    options.DrawOptionCaptions();

    const QRect machineRect(layout.MachineLeft, layout.MachineTop, layout.Machine.Width,
                            layout.Machine.Height + face.Artwork.MysteryArtwork.height() / 2);
    return {view.grab().toImage(), machineRect};
}

// Both colour sets of one machine size side by side, as the window draws them.
QImage MachineComposite(const QString& folder, int screenWidth, int screenHeight) {
    const TWindowShot normal = WindowAsSeen(folder, {screenWidth, screenHeight, 32, 96});
    const TWindowShot palette = WindowAsSeen(folder, {screenWidth, screenHeight, 8, 96});
    const QRect r = normal.Machine;
    QImage image(2 * r.width() + 48, r.height() + 16, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.drawImage(16, 8, normal.Window.copy(r));
    p.drawImage(32 + r.width(), 8, palette.Window.copy(palette.Machine));
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
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorva-contact-sheet <program folder> <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    Save(ContactSheet(folder), out.filePath("contact_sheet.png"));
    Save(MachineComposite(folder, 800, 600), out.filePath("machine_64.png"));
    Save(MachineComposite(folder, 1024, 768), out.filePath("machine_96.png"));
    for (auto [w, h] :
         {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}, std::pair{1920, 1080}})
        Save(WindowAsSeen(folder, {w, h, 32, 96}).Window,
             out.filePath(QString("screen_%1x%2.png").arg(w).arg(h)));
    return 0;
}
