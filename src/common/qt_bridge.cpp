#include "common/qt_bridge.h"

#include "common/text.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace orvelle {

QDate ToQDate(TDateTime date)
{
    int y;
    unsigned m, d;
    DecodeDate(date, y, m, d);
    return QDate(y, static_cast<int>(m), static_cast<int>(d));
}

TDateTime FromQDate(const QDate& date)
{
    return EncodeDate(date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
}

TDateTime FromQDateTime(const QDateTime& dateTime)
{
    return FromQDate(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / 86400000.0;
}

void PlaceInClientArea(QWidget* w, int left, int top, int width, int height)
{
    const QPoint origin = w->parentWidget()->mapTo(w->window(), QPoint(0, 0));
    w->setGeometry(QRect(left, top, width, height).translated(-origin));
}

QFont DialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

QString FromFileBytes(const std::string& bytes)
{
    return QString::fromStdString(ToUtf8(bytes));
}

void TMessageBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text());
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void ShowErrorBox(const QString& message, QWidget* parent)
{
    if (!parent)
        parent = QApplication::activeWindow();
    // Over a window that is not on screen yet (start-up) the box would sit at that window's
    // corner: centre it on the screen instead.
    if (parent && !parent->window()->isVisible())
        parent = nullptr;
    TMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message, QMessageBox::Ok,
                    parent);
    box.exec();
}

void ShowErrorBox(const std::exception& error, QWidget* parent)
{
    ShowErrorBox(QString::fromStdString(ToUtf8(error.what())), parent);
}

void QueueErrorBox(const QString& message, QWidget* repaint)
{
    QTimer::singleShot(0, qApp, [message, repaint = QPointer<QWidget>(repaint)] {
        ShowErrorBox(message);
        if (repaint)
            repaint->update();
    });
}

} // namespace orvelle
