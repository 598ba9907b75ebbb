#include "platform/single_instance.h"

#include "common/modal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orvelle {

namespace {
constexpr char kLockName[] = "Orvelle_App_Mutex_gz54w";
constexpr char kMessageName[] = "Orvelle_App_Msg_xqw1e";
constexpr int kActivationWaitMs = 2000;

QString RuntimeDir()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}
} // namespace

struct SingleInstance::Impl {
    int lockFd = -1;
    QLocalServer* server = nullptr;
};

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

SingleInstance::~SingleInstance()
{
    // The lock goes with the process (so a crashed copy never blocks the next start); closing it
    // here only matters to tests that make several instances in one process.
    if (d->lockFd >= 0)
        ::close(d->lockFd);
}

bool SingleInstance::Claim()
{
    const QString dir = RuntimeDir();
    const QString socketPath = dir + '/' + kMessageName;
    const QByteArray lockPath = QFile::encodeName(dir + '/' + kLockName + ".lock");
    d->lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a place for the lock we cannot know of another copy; running beats refusing to start.
    if (d->lockFd >= 0 && ::flock(d->lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(d->lockFd);
        d->lockFd = -1;
        QLocalSocket socket;
        QDeadlineTimer deadline(kActivationWaitMs);
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write("activate\n");
            socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
            socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())); // the first copy took it
        }
        return false;
    }
    QLocalServer::removeServer(socketPath); // a socket left by a crashed copy
    d->server = new QLocalServer(this);
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(d->server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = d->server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            const auto take = [this, peer] {
                if (!peer->canReadLine() || !peer->readLine().startsWith("activate"))
                    return;
                peer->write("ok\n");
                peer->flush();
                emit ActivationRequested();
            };
            connect(peer, &QLocalSocket::readyRead, this, take);
            take(); // the request may have arrived before this connection was seen
        }
    });
    d->server->listen(socketPath);
    return true;
}

namespace {
int gSignalPipe[2] = {-1, -1};
void OnSignal(int)
{
    const char c = 1;
    [[maybe_unused]] auto n = ::write(gSignalPipe[1], &c, 1);
}
} // namespace

void QuitOnTerminateSignal()
{
    if (gSignalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char c;
        [[maybe_unused]] auto n = ::read(gSignalPipe[0], &c, 1); // else the notifier fires forever
        EndModalWindows(); // quit() alone is not heard by a modal box or before the loop runs
        QCoreApplication::quit();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

} // namespace orvelle
