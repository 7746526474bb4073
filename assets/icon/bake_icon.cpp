// Renders the program's icon from its SVG source at every size a desktop asks for, into the
// icon theme's folder layout: zorva-bake-icon <icon.svg> <hicolor folder> <size>...
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: zorva-bake-icon <icon.svg> <hicolor folder> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "zorva-bake-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir hicolor(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!hicolor.mkpath(folder) ||
            !image.convertToFormat(QImage::Format_ARGB32).save(hicolor.filePath(folder + "/zorva.png"))) {
            std::fprintf(stderr, "zorva-bake-icon: cannot write the %d-pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
