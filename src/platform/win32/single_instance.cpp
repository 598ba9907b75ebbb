#include "platform/single_instance.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

namespace orvelle {

namespace {
constexpr char kMutexName[] = "Orvelle_App_Mutex_gz54w";
constexpr char kMessageName[] = "Orvelle_App_Msg_xqw1e";
constexpr UINT kActivationWaitMs = 2000;

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
    HANDLE mutex = nullptr; // held, never released, for the life of the process
    UINT message = 0;
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
    d->message = ::RegisterWindowMessageA(kMessageName);
    d->mutex = ::CreateMutexA(nullptr, TRUE, kMutexName);
    if (!d->mutex || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        // A hung window elsewhere on the desktop must not hang this start.
        ::SendMessageTimeoutA(HWND_BROADCAST, d->message, 0, 0, SMTO_ABORTIFHUNG, kActivationWaitMs, nullptr);
        return false;
    }
    d->filter = std::make_unique<ActivationFilter>(d->message, this);
    QCoreApplication::instance()->installNativeEventFilter(d->filter.get());
    return true;
}

void QuitOnTerminateSignal() {}

} // namespace orvelle
