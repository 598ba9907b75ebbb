// Draws the toolbar images and the application icon from their SVG sources into the PNGs the
// program loads, so that start-up rasterises nothing and the program needs no SVG renderer.
//   render_icons assets/icons assets/icons/png   (run by hand when a drawing changes)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <initializer_list>

namespace {
bool Render(const QString& source, const QString& outDir, const QString& name, std::initializer_list<int> sizes)
{
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return false;
    }
    for (int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString out = QString("%1/%2-%3.png").arg(outDir, name).arg(size);
        if (!image.save(out)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_icons SVG-FOLDER PNG-FOLDER\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (const char* name : {"exit", "shutdown", "options", "about", "print", "find_feast", "find_saint", "alarm"})
        ok &= Render(in + "/" + name + ".svg", out, name, {36, 72});
    ok &= Render(in + "/orvelle.svg", out, "orvelle", {16, 22, 24, 32, 48, 64, 128, 256});
    return ok ? 0 : 1;
}
