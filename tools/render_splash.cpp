// Renders assets/splash.svg onto the splash's key colour and writes the 24-bit picture the program
// shows. The edge is cut hard, pixel by pixel: a blended edge would hold near-key colours that the
// window's shape cannot cut away.
//   render_splash assets/splash.svg assets/splash.ppm
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_splash SOURCE.svg PICTURE.ppm\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QImage art(480, 480, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    {
        QPainter painter(&art);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
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
    if (!picture.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
