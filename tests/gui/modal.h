#pragma once
// Answers the next modal window from inside its own event loop, as a user would.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace orvelle::test {

inline void WhenModalOpens(std::function<void(QWidget*)> act, int triesLeft = 200)
{
    QTimer::singleShot(10, [act = std::move(act), triesLeft]() mutable {
        if (QWidget* w = QApplication::activeModalWidget())
            act(w);
        else if (triesLeft > 0)
            WhenModalOpens(std::move(act), triesLeft - 1);
    });
}

} // namespace orvelle::test
