// Renders the program's SVG icon to the PNG sizes desktops look for, so only
// the SVG is kept in the repository.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s <icon.svg> <output-prefix> <size>...\n"
                             "writes <output-prefix><size>.png for each size\n",
                     argv[0]);
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read the SVG %s\n", argv[0], qPrintable(args.at(1)));
        return 1;
    }
    for (const QString& sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "%s: bad size %s\n", argv[0], qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString out = args.at(2) + sizeText + QStringLiteral(".png");
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(out));
            return 1;
        }
    }
    return 0;
}
