#include "app/icons.h"

#include <QIconEngine>
#include <QPainter>

namespace orvelle {

namespace {
constexpr const char* kToolbarImages[8] = {"exit",  "shutdown",   "options",    "about",
                                           "print", "find_feast", "find_saint", "alarm"};

// The PNGs are drawn from the SVG sources beforehand (tools/render_pictures). QIcon would read every
// file as it is added; this engine reads them when the icon is first drawn.
class TPngsOnDemand : public QIconEngine {
  public:
    TPngsOnDemand(const char* name, std::initializer_list<int> sizes) : FName(name), FSizes(sizes) {}

    QIconEngine* clone() const override { return new TPngsOnDemand(*this); }
    QString key() const override { return "orvelle-pngs"; }
    bool isNull() override { return false; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : FSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().pixmap(size, 1.0, mode, state); // the caller has scaled the size already
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

  private:
    const QIcon& Loaded()
    {
        if (FIcon.isNull())
            for (int size : FSizes)
                FIcon.addFile(QString(":/icons/png/%1-%2.png").arg(FName).arg(size), QSize(size, size));
        return FIcon;
    }

    QString FName;
    QList<int> FSizes;
    QIcon FIcon;
};

QIcon FromPngs(const char* name, std::initializer_list<int> sizes)
{
    return QIcon(new TPngsOnDemand(name, sizes));
}
} // namespace

QIcon ToolbarIcon(int index)
{
    if (index < 0 || index >= 8)
        return {};
    return FromPngs(kToolbarImages[index], {36, 72});
}

QIcon ApplicationIcon()
{
    return FromPngs("orvelle", {16, 22, 24, 32, 48, 64, 128, 256});
}

} // namespace orvelle
