#include "dialogs/splash.h"

#include "common/application_title.h"
#include "common/qt_bridge.h"
#include "dialogs/splash_shape.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QRegion>
#include <QResource>
#include <QWindow>

namespace orvelle {

namespace {

// The picture is kept as an uncompressed binary PPM, so it is shown straight from the program's own
// pages: nothing is decoded before the first window. Any other file still loads, only slower.
QImage SplashPicture()
{
    const QByteArray header("P6\n480 480\n255\n");
    const QResource resource(":/splash.ppm");
    const qint64 size = header.size() + 480 * 480 * 3;
    if (resource.compressionAlgorithm() == QResource::NoCompression && resource.size() == size &&
        QByteArrayView(resource.data(), header.size()) == header)
        return QImage(resource.data() + header.size(), 480, 480, 480 * 3, QImage::Format_RGB888);
    return QImage(":/splash.ppm").convertToFormat(QImage::Format_RGB888);
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form2");
    setWindowTitle("Starting Orvelle");
    setFixedSize(481, 483);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(-1, 0, 481, 481);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QImage picture = SplashPicture();
    Image1->setPixmap(QPixmap::fromImage(picture));

    // The title gets its text once the window is on screen: the first text drawn sets up the fonts,
    // which takes longer than all the rest of the splash.
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(128, 352, 207, 19);
    QFont font("Arial");
    font.setPixelSize(16);
    font.setBold(true);
    Label1->setFont(font);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(palette);

    FormCreate(picture);
    CentreOnScreen(this);
}

void TForm2::FormCreate(const QImage& picture)
{
    // The key colour reads the same in RGB and BGR order.
    QList<QRect> rects;
    for (const TRect& r :
         ScanShape({picture.constBits(), picture.width(), picture.height(), picture.bytesPerLine()}))
        rects.append(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
    // The runs come row by row, left to right: one region at once, not one union per run.
    QRegion shape;
    shape.setRects(rects.constData(), static_cast<int>(rects.size()));
    // Laid where the picture is drawn, so no key-coloured column shows at the disc's edge.
    setMask(shape.translated(Image1->pos()));
}

void TForm2::ShowNow()
{
    // A window that comes up during start-up (the alarm reminder, an error box) must not be hidden
    // behind the splash, which otherwise stays above everything.
    qApp->installEventFilter(this);
    // The bare window goes on screen first and the picture and title join it before its first
    // paint: shown along with it, they would hold it back by some milliseconds.
    const QList<QWidget*> parts{Image1, Label1};
    for (QWidget* part : parts)
        part->hide();
    show();
    for (QWidget* part : parts)
        part->show();
    QApplication::processEvents();
    Label1->setText(kApplicationTitle);
    repaint();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched) && windowHandle())
        windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
    return QWidget::eventFilter(watched, event);
}

} // namespace orvelle
