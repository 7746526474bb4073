#include "platform/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zorva {

namespace {

// What the running copy answers once its window has been asked forward.
constexpr char BroughtForward = '1';
// A later start waits this long at most for the running copy's answer.
constexpr int HandOverMilliseconds = 1000;

// The socket's name comes from the configuration folder itself, so two users or two
// XDG_CONFIG_HOMEs get two sockets, and two paths to one folder meet at the same one.
QString ServerNameFor(const QString& folder) {
    const QByteArray hash =
        QCryptographicHash::hash(QFileInfo(folder).canonicalFilePath().toUtf8(), QCryptographicHash::Sha256);
    QString place = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (place.isEmpty() || !QFileInfo(place).isDir())
        place = QDir::tempPath();
    return QDir(place).filePath(
        QStringLiteral("zorva-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.toHex().left(16))));
}

// The socket's address; false when the name is too long for one.
bool AddressOf(const QString& name, sockaddr_un& address) {
    const QByteArray path = QFile::encodeName(name);
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

// A plain Unix socket rather than Qt's local sockets: those come with Qt's network library,
// whose loading and relocation (with Kerberos and the proxy library behind it) cost a tenth of a start.
int Listen(const QString& name) {
    sockaddr_un address{};
    if (!AddressOf(name, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    // Whatever socket is there was left by a copy that is gone: the lock is ours.
    ::unlink(address.sun_path);
    // Only this user may ask the game forward.
    const mode_t before = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(before);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Connected to the running copy's socket, or -1 while nobody listens there.
int Connect(const QString& name) {
    sockaddr_un address{};
    if (!AddressOf(name, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    int result = 0;
    while ((result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address)) != 0 &&
           errno == EINTR) {
    }
    if (result != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TSingleInstance::TSingleInstance(const std::string& savedGameFile) : lockFile_(savedGameFile + ".lock") {
    const QString folder = QFileInfo(QString::fromStdString(lockFile_)).absolutePath();
    QDir().mkpath(folder);
    serverName_ = ServerNameFor(folder);
}

TSingleInstance::~TSingleInstance() {
    notifier_.reset();
    for (const int waiting : waiting_)
        ::close(waiting);
    if (server_ >= 0)
        ::close(server_);
    if (lock_ >= 0)
        ::close(lock_);
}

bool TSingleInstance::TakeLock() {
    // Close-on-exec: a browser the game opened must not go on holding the lock after the game ends.
    lock_ = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ < 0)
        return true;
    int result = 0;
    while ((result = ::flock(lock_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    // A file system that keeps no locks cannot tell either; the game then runs as it always did.
    if (result != 0)
        return errno != EWOULDBLOCK;

    server_ = Listen(serverName_);
    if (server_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                         [this] { AnswerLaterStarts(); });
    }
    return true;
}

bool TSingleInstance::HandOver() const {
    const QDeadlineTimer deadline(HandOverMilliseconds);
    int fd = -1;
    // The running copy may have taken the lock a moment ago and not be listening yet.
    while ((fd = Connect(serverName_)) < 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    char answer = 0;
    pollfd readable{fd, POLLIN, 0};
    int ready = 0;
    while ((ready = ::poll(&readable, 1, static_cast<int>(deadline.remainingTime()))) < 0 && errno == EINTR) {
    }
    const bool answered = ready > 0 && ::read(fd, &answer, 1) == 1 && answer == BroughtForward;
    ::close(fd);
    return answered;
}

void TSingleInstance::OnLaterStart(std::function<void()> forward) {
    forward_ = std::move(forward);
    AnswerLaterStarts();
}

void TSingleInstance::AnswerLaterStarts() {
    if (server_ >= 0)
        for (int later = 0; (later = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;)
            waiting_.push_back(later);
    // Starts that came before there was a window to bring forward wait until then.
    while (forward_ && !waiting_.empty()) {
        const int later = waiting_.front();
        waiting_.erase(waiting_.begin());
        forward_();
        // A start that gave up meanwhile is gone; the game must not die of the broken pipe.
        (void)::send(later, &BroughtForward, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        ::close(later);
    }
}

void BringToFront(QWidget& window) {
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
    // An open dialog of the game stays above its window and keeps the keys.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &window) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace zorva
