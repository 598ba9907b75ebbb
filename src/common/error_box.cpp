#include "common/error_box.h"

#include "common/application_title.h"
#include "common/modal.h"
#include "common/text.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

namespace orvelle {

namespace {
// Ctrl+C copies the message on every platform, so a path or a line number can be pasted.
class ErrorBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(text());
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};
} // namespace

void ShowErrorBox(const QString& message, QWidget* parent)
{
    if (!parent)
        parent = QApplication::activeWindow();
    ErrorBox box(QMessageBox::Critical, kApplicationTitle, message, QMessageBox::Ok,
                 parent);
    ExecModal(box);
}

void ShowErrorBox(const std::exception& error, QWidget* parent)
{
    ShowErrorBox(QString::fromStdString(ToUtf8(error.what())), parent);
}

void QueueErrorBox(const QString& message)
{
    QTimer::singleShot(0, qApp, [message] { ShowErrorBox(message); });
}

} // namespace orvelle
