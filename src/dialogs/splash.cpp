#include "dialogs/splash.h"

#include "common/application_title.h"
#include "common/qt_bridge.h"
#include "dialogs/splash_shape.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QRegion>
#include <QWindow>

namespace orvelle {

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
    Image1->setPixmap(QPixmap(":/splash.png"));

    Label1 = new QLabel(kApplicationTitle, this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(128, 352, 207, 19);
    QFont font("Arial");
    font.setPixelSize(16);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setStyleSheet("color: white; background: transparent;");

    FormCreate();
    CentreOnScreen(this);
}

void TForm2::FormCreate()
{
    const QImage picture = Image1->pixmap().toImage().convertToFormat(QImage::Format_BGR888);
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
    show();
    QApplication::processEvents();
    repaint();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched) && windowHandle())
        windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
    return QWidget::eventFilter(watched, event);
}

} // namespace orvelle
