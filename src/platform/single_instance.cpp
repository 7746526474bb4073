#include "platform/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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

} // namespace

TSingleInstance::TSingleInstance(const std::string& savedGameFile) : lockFile_(savedGameFile + ".lock") {
    const QString folder = QFileInfo(QString::fromStdString(lockFile_)).absolutePath();
    QDir().mkpath(folder);
    serverName_ = ServerNameFor(folder);
}

TSingleInstance::~TSingleInstance() {
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

    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Whatever socket is there was left by a copy that is gone: the lock is ours.
    QLocalServer::removeServer(serverName_);
    if (server_->listen(serverName_))
        QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                         [this] { AnswerLaterStarts(); });
    return true;
}

bool TSingleInstance::HandOver() const {
    const QDeadlineTimer deadline(HandOverMilliseconds);
    QLocalSocket socket;
    // The running copy may have taken the lock a moment ago and not be listening yet.
    for (;;) {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    if (socket.bytesAvailable() == 0)
        socket.waitForReadyRead(int(deadline.remainingTime()));
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == BroughtForward;
}

void TSingleInstance::OnLaterStart(std::function<void()> forward) {
    forward_ = std::move(forward);
    AnswerLaterStarts();
}

void TSingleInstance::AnswerLaterStarts() {
    // Starts that came before there was a window to bring forward wait in the queue until then.
    while (forward_ && server_ && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        forward_();
        socket->write(&BroughtForward, 1);
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromServer();
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
