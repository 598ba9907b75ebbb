#include "dialogs/info_box.h"

#include "common/error_box.h"
#include "common/modal.h"
#include "data/saints_data.h"
#include "views/saint_views.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

namespace orvelle {

namespace {
// The work area now: the task bar may have moved since the last step.
TRect WorkArea(const QWidget* w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect r = screen ? screen->availableGeometry() : w->frameGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
} // namespace

TForm3::TForm3(QWidget* parent)
    : TNoCancelDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                                  Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    SetUpForm("Form3", "Orvelle", 237, 282);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    // Disabled only so that it takes no input: the text keeps the window-text colour.
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    face.setColor(QPalette::Disabled, QPalette::Text, face.color(QPalette::Active, QPalette::WindowText));
    face.setColor(QPalette::Disabled, QPalette::Base, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    RichEdit1 = new QTextEdit("RichEdit1", this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setGeometry(0, 0, 230, 281);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    QFont text("Arial");
    text.setPixelSize(13);
    text.setBold(true);
    RichEdit1->setFont(text);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    // Disabled, so a press on the text reaches the window.
    RichEdit1->setEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(40);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(2500);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm3::Timer2Timer);
}

void TForm3::FormShow()
{
    FMotion.FormShow(WorkArea(this), frameGeometry().height());
    Apply(false);
}

void TForm3::Timer1Timer()
{
    Apply(FMotion.Timer1Timer(WorkArea(this), frameGeometry().width()));
}

void TForm3::Timer2Timer()
{
    Apply(FMotion.Timer2Timer());
}

bool TForm3::FormClose()
{
    const bool closes = FMotion.FormClose();
    Apply(false);
    return closes;
}

void TForm3::Apply(bool askClose)
{
    move(FMotion.Left(), FMotion.Top());
    // A timer that goes on running keeps its phase: the dwell is not restarted by a click.
    if (FMotion.Timer1() != Timer1->isActive())
        FMotion.Timer1() ? Timer1->start() : Timer1->stop();
    if (FMotion.Timer2() != Timer2->isActive())
        FMotion.Timer2() ? Timer2->start() : Timer2->stop();
    if (askClose)
        close();
}

void TForm3::showEvent(QShowEvent* event)
{
    TNoCancelDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm3::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        TNoCancelDialog::closeEvent(event);
    else
        event->ignore();
}

void TForm3::mousePressEvent(QMouseEvent* event)
{
    // Only the left button counts; a right click does nothing.
    if (event->button() == Qt::LeftButton && FMotion.LeftClick())
        close();
    event->accept();
}

bool RunInfoBox(TSaintsData& saints, TDateTime now)
{
    TForm3 box;
    box.RichEdit1->clear();
    Guarded(nullptr, [&] { ShowSaintNames(box.RichEdit1, saints.SaintsOfDate(now)); });
    ExecModal(box);
    return box.ShowMainWindow();
}

} // namespace orvelle
