#include "app/icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace orvelle {

namespace {
constexpr const char* kToolbarImages[8] = {"exit",  "shutdown",   "options",    "about",
                                           "print", "find_feast", "find_saint", "alarm"};

QIcon FromSvg(const QString& path, std::initializer_list<int> sizes)
{
    QSvgRenderer renderer(path);
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

QIcon ToolbarIcon(int index)
{
    if (index < 0 || index >= 8)
        return {};
    return FromSvg(QString(":/icons/%1.svg").arg(kToolbarImages[index]), {36, 72});
}

QIcon ApplicationIcon()
{
    return FromSvg(":/icons/orvelle.svg", {16, 24, 32, 48, 64, 128, 256});
}

} // namespace orvelle
