#include "common/error_box.h"

#include "common/application_title.h"
#include "common/modal.h"
#include "common/text.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace orvelle {

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
    TMessageBox box(QMessageBox::Critical, kApplicationTitle, message, QMessageBox::Ok, parent);
    ExecModal(box);
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
