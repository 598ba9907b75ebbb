// Draws the program's pictures from their SVG sources, so that start-up rasterises nothing and the
// program needs no SVG renderer (run by hand when a drawing changes):
//   render_pictures assets
// - the toolbar images and the application icon: icons/NAME.svg into icons/png/NAME-SIZE.png;
// - the splash: splash.svg laid on the key colour (pure magenta) with a hard edge, pixel by pixel,
//   into the uncompressed splash.ppm. A blended edge would hold near-key colours that the window's
//   shape cannot cut away.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <initializer_list>

namespace {
QImage Draw(const QString& source, int size, QImage::Format format)
{
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(source));
        return {};
    }
    QImage image(size, size, format);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return image;
}

bool Save(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool RenderIcon(const QString& assets, const QString& name, std::initializer_list<int> sizes)
{
    bool ok = true;
    for (int size : sizes)
        ok &= Save(Draw(assets + "/icons/" + name + ".svg", size, QImage::Format_ARGB32_Premultiplied),
                   QString("%1/icons/png/%2-%3.png").arg(assets, name).arg(size));
    return ok;
}

bool RenderSplash(const QString& assets)
{
    const QImage art = Draw(assets + "/splash.svg", 480, QImage::Format_ARGB32);
    if (art.isNull())
        return false;
    const QRgb key = qRgb(255, 0, 255);
    QImage picture(art.size(), QImage::Format_RGB888);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            const QRgb p = art.pixel(x, y);
            QRgb out = qAlpha(p) >= 128 ? (p | 0xff000000u) : key;
            if (qAlpha(p) >= 128 && out == key)
                out = qRgb(254, 0, 255); // the art must never be cut away
            picture.setPixel(x, y, out);
        }
    return Save(picture, assets + "/splash.ppm");
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures ASSETS-FOLDER\n");
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const char* name :
         {"exit", "shutdown", "options", "about", "print", "find_feast", "find_saint", "alarm"})
        ok &= RenderIcon(assets, name, {36, 72});
    ok &= RenderIcon(assets, "orvelle", {16, 22, 24, 32, 48, 64, 128, 256});
    ok &= RenderSplash(assets);
    return ok ? 0 : 1;
}
