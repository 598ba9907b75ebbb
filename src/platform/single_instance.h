#pragma once
// Lets one copy of the program run at a time; a second start asks the first to come forward.
#include <QObject>
#include <memory>

namespace orvelle {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // True in the first copy, which keeps the claim for the rest of its life. In a second copy the
    // first one has been sent the activation (waiting at most two seconds) when this returns false.
    bool Claim();

  signals:
    void ActivationRequested();

  private:
    void ServePeer(int peer); // where the OS has sockets
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Ends the event loop cleanly on SIGTERM and SIGINT (no-op where the OS has no such signals).
void QuitOnTerminateSignal();

} // namespace orvelle
