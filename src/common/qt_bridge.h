#pragma once
// The widget edge: Dates to and from Qt's types, file bytes to QString, and the one error box.
#include "common/date.h"

#include <QDate>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <exception>
#include <string>

class QWidget;

namespace orvelle {

QDate ToQDate(TDateTime date);
TDateTime FromQDate(const QDate& date);
TDateTime FromQDateTime(const QDateTime& dateTime);

// Puts a control at a rectangle given in its window's client area, wherever its parent is.
void PlaceInClientArea(QWidget* w, int left, int top, int width, int height);
// The dialogs' font: the platform's sans serif at 8 points.
QFont DialogFont();

// Saints file bytes as text: UTF-8 when valid, else Windows-1252.
QString FromFileBytes(const std::string& bytes);

// A message box whose text Ctrl+C copies on every platform, so a path or a count can be pasted.
class TMessageBox : public QMessageBox {
    Q_OBJECT
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The standard error box: caption = application title, text = the message; the program goes on.
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
