#include "platform/single_instance.h"

#include "common/modal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvelle {

namespace {
constexpr char kLockName[] = "Orvelle_App_Mutex_gz54w";
constexpr char kMessageName[] = "Orvelle_App_Msg_xqw1e";
constexpr int kActivationWaitMs = 2000;
constexpr char kRequest[] = "activate\n";

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

// False when the path does not fit a socket address.
bool SocketAddress(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

// Plain sockets rather than the network module: linking it costs every start more than the
// whole exchange.
void SendActivation(const QByteArray& path)
{
    sockaddr_un address;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    const QDeadlineTimer deadline(kActivationWaitMs);
    const timeval timeout{kActivationWaitMs / 1000, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout); // a full backlog would block
    if (SocketAddress(path, address) &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL) == static_cast<ssize_t>(sizeof kRequest - 1)) {
        pollfd reply{fd, POLLIN, 0};
        while (::poll(&reply, 1, static_cast<int>(deadline.remainingTime())) < 0 && errno == EINTR) {
        }
        // the first copy took it, or gave no answer in time
    }
    ::close(fd);
}
} // namespace

struct SingleInstance::Impl {
    int lockFd = -1;
    int serverFd = -1;
    QByteArray socketPath;
};

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

SingleInstance::~SingleInstance()
{
    // The lock goes with the process (so a crashed copy never blocks the next start); closing it
    // here only matters to tests that make several instances in one process.
    if (d->serverFd >= 0) {
        ::close(d->serverFd);
        ::unlink(d->socketPath.constData());
    }
    if (d->lockFd >= 0)
        ::close(d->lockFd);
}

bool SingleInstance::Claim()
{
    const QString dir = RuntimeDir();
    const QByteArray socketPath = QFile::encodeName(dir + '/' + kMessageName);
    const QByteArray lockPath = QFile::encodeName(dir + '/' + kLockName + ".lock");
    d->lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a place for the lock we cannot know of another copy; running beats refusing to start.
    if (d->lockFd >= 0 && ::flock(d->lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(d->lockFd);
        d->lockFd = -1;
        SendActivation(socketPath);
        return false;
    }
    ::unlink(socketPath.constData()); // a socket left by a crashed copy
    sockaddr_un address;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return true;
    if (!SocketAddress(socketPath, address) ||
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(socketPath.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return true; // no second copy can reach this one, but it runs
    }
    d->serverFd = fd;
    d->socketPath = socketPath;
    auto* incoming = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, [this] {
        for (int peer; (peer = ::accept4(d->serverFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;)
            ServePeer(peer);
    });
    return true;
}

void SingleInstance::ServePeer(int peer)
{
    auto* readable = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    connect(readable, &QSocketNotifier::activated, this, [this, peer, readable, line = QByteArray()]() mutable {
        char buffer[64];
        const ssize_t n = ::recv(peer, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n > 0)
            line.append(buffer, n);
        const bool complete = line.contains('\n');
        if (n > 0 && !complete && line.size() < 64)
            return;
        if (complete && line.startsWith(kRequest)) {
            ::send(peer, "ok\n", 3, MSG_NOSIGNAL);
            emit ActivationRequested();
        }
        readable->setEnabled(false);
        readable->deleteLater();
        ::close(peer);
    });
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
