#include "platform/single_instance.h"

#include "platform/win32/instance_guard.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

namespace orvelle {

namespace {
// Sees the broadcast activation message on its way to the main window.
class ActivationFilter : public QAbstractNativeEventFilter {
  public:
    ActivationFilter(UINT message, SingleInstance* owner) : message_(message), owner_(owner) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override
    {
        if (type != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != message_)
            return false;
        emit owner_->ActivationRequested();
        if (result)
            *result = 0;
        return true;
    }

  private:
    UINT message_;
    SingleInstance* owner_;
};
} // namespace

struct SingleInstance::Impl {
    TInstanceGuard guard; // holds the mutex for the life of the process
    std::unique_ptr<ActivationFilter> filter;
};

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

SingleInstance::~SingleInstance()
{
    if (d->filter)
        QCoreApplication::instance()->removeNativeEventFilter(d->filter.get());
}

bool SingleInstance::Claim()
{
    if (!d->guard.Claim()) {
        d->guard.Broadcast();
        return false;
    }
    d->filter = std::make_unique<ActivationFilter>(d->guard.Message(), this);
    QCoreApplication::instance()->installNativeEventFilter(d->filter.get());
    return true;
}

void QuitOnTerminateSignal() {}

} // namespace orvelle
