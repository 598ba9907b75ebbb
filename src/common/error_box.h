#pragma once
// The standard error box: caption = application title, text = the message; the program goes on.
#include <QString>
#include <exception>

class QWidget;

namespace orvelle {

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
void QueueErrorBox(const QString& message);

} // namespace orvelle
