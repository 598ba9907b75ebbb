#pragma once
// Answers the modal windows a step opens, in order, from inside each window's own loop, as a user
// would. A window nobody expected, the wrong window, or an expected window that never opened
// fails the test; a window the answer left open is closed so the test cannot hang.
#include "common/modal.h"

#include <QAction>
#include <QDialog>
#include <QMessageBox>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace orvelle::test {

struct PendingModal {
    QString window; // objectName, class name or caption of the window expected
    std::function<void(QDialog&)> act;
    bool opened = false;
};

inline std::deque<std::shared_ptr<PendingModal>>& PendingModals()
{
    static std::deque<std::shared_ptr<PendingModal>> pending;
    return pending;
}

inline std::string Describe(const QDialog& d)
{
    QString text = d.objectName() + " \"" + d.windowTitle() + "\"";
    if (const auto* box = qobject_cast<const QMessageBox*>(&d))
        text += ": " + box->text();
    return text.toStdString();
}

// Installed for every widget test by the test main.
inline void AnswerModal(QDialog& d)
{
    if (PendingModals().empty()) {
        ADD_FAILURE() << "a modal window opened that no test step expected: " << Describe(d);
        d.reject();
        return;
    }
    const std::shared_ptr<PendingModal> next = PendingModals().front();
    PendingModals().pop_front();
    next->opened = true;
    if (d.objectName() != next->window && d.windowTitle() != next->window &&
        QString(d.metaObject()->className()) != next->window) {
        ADD_FAILURE() << "expected the modal window " << next->window.toStdString() << ", but " << Describe(d)
                      << " opened";
        d.reject();
        return;
    }
    next->act(d);
    if (d.isVisible()) {
        ADD_FAILURE() << "the answer left " << Describe(d) << " open";
        d.reject();
    }
}

// Queues the answer to the next modal window; checks on leaving the scope that it opened.
class [[nodiscard]] ExpectModal {
  public:
    ExpectModal(const QString& window, std::function<void(QDialog&)> act)
        : FPending(std::make_shared<PendingModal>(PendingModal{window, std::move(act)}))
    {
        PendingModals().push_back(FPending);
    }
    ~ExpectModal()
    {
        if (FPending->opened)
            return;
        ADD_FAILURE() << "the modal window " << FPending->window.toStdString() << " never opened";
        std::erase(PendingModals(), FPending);
    }
    ExpectModal(const ExpectModal&) = delete;
    ExpectModal& operator=(const ExpectModal&) = delete;
    bool Opened() const { return FPending->opened; }

  private:
    std::shared_ptr<PendingModal> FPending;
};

// Runs a command as a user would: it must exist and be enabled.
inline void Trigger(QWidget& owner, const char* command)
{
    auto* action = owner.findChild<QAction*>(command);
    ASSERT_NE(action, nullptr) << "no command " << command;
    ASSERT_TRUE(action->isEnabled()) << "the command " << command << " is disabled";
    action->trigger();
}

// A widget found by its documented name; fails the test when there is none.
template <typename T> T* Child(const QObject& owner, const char* name)
{
    T* child = owner.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << "no " << name;
    return child;
}

} // namespace orvelle::test
