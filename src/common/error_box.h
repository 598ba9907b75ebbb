#pragma once
// The standard error box: caption = application title, text = the message; the program goes on.
#include <QMessageBox>
#include <QString>
#include <exception>

class QWidget;

namespace orvelle {

// A message box whose text Ctrl+C copies on every platform, so a path or a count can be pasted.
class TMessageBox : public QMessageBox {
    Q_OBJECT
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

void ShowErrorBox(const QString& message, QWidget* parent = nullptr);
void ShowErrorBox(const std::exception& error, QWidget* parent = nullptr);

// Runs a command or an event handler: an error ends it and is shown in the error box.
template <typename F> void Guarded(QWidget* parent, F&& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        ShowErrorBox(e, parent);
    }
}

// For paint handlers and other places where a modal box must not open: shows it after the event.
// A widget whose painting failed is given as `repaint`: it is drawn again in full once the box
// closes, since the failed painting left it half drawn.
void QueueErrorBox(const QString& message, QWidget* repaint = nullptr);

} // namespace orvelle
