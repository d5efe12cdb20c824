#include "app/LinkForwarder.h"

#include "app/LinkMessage.h"
#include "platform/FileLock.h"
#include "platform/Logging.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QPointer>

#include <algorithm>
#include <memory>
#include <utility>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

LinkForwarder::LinkForwarder(QString serverName, MainQueue &queue, QObject *parent)
    : QObject(parent)
    , serverName_(std::move(serverName))
    , queue_(queue)
    , server_(new QLocalServer(this))
{
    // Only this user may hand links to the app.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LinkForwarder::acceptConnections);
}

LinkForwarder::~LinkForwarder()
{
    if (burstEnd_)
        burstEnd_->invalidate();
}

QString LinkForwarder::defaultServerName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString refusal = QStringLiteral("no runtime folder is set (XDG_RUNTIME_DIR)");
    const QString folder = runtime.isEmpty() ? QString() : privateFolder(runtime, &refusal);
    if (folder.isEmpty()) {
        qCWarning(lcApp).noquote() << u"Links are not handed over to a running app: " + refusal;
        return {};
    }
    return folder + QStringLiteral("/flexio-links");
}

QString LinkForwarder::privateFolder(const QString &folder, QString *refusal)
{
#if defined(Q_OS_UNIX)
    const QByteArray path = QFile::encodeName(folder);
    struct stat status
    {};
    if (::lstat(path.constData(), &status) != 0
        && (::mkdir(path.constData(), 0700) != 0 || ::lstat(path.constData(), &status) != 0)) {
        if (refusal)
            *refusal = u"the folder " + folder + u" cannot be made";
        return {};
    }
    QString reason;
    if (!S_ISDIR(status.st_mode))
        reason = QStringLiteral(" is not a folder");
    else if (status.st_uid != ::getuid())
        reason = QStringLiteral(" belongs to another user");
    else if ((status.st_mode & 077) != 0)
        reason =
            QStringLiteral(" may be entered by other users (mode ") + QString::number(status.st_mode & 0777, 8) + u')';
    if (reason.isEmpty())
        return folder;
    if (refusal)
        *refusal = u"the folder " + folder + reason;
    return {};
#else
    if (refusal)
        refusal->clear();
    return QDir(folder).exists() || QDir().mkpath(folder) ? folder : QString();
#endif
}

bool LinkForwarder::handOver(const QString &serverName, const QStringList &links, int timeoutMs)
{
    if (serverName.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(LinkMessage::encode(links));
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.read(LinkMessage::taken.size());
    socket.disconnectFromServer();
    if (answer != LinkMessage::taken) {
        qCWarning(lcApp).noquote() << u"The running app did not take the links handed to " + serverName;
        return false;
    }
    return true;
}

bool LinkForwarder::listen()
{
    if (server_->isListening())
        return true;
    if (serverName_.isEmpty())
        return false;
    const FileLock lock(serverName_ + QStringLiteral(".lock"));
    // Someone answers there: that is the running app. (Listening would silently take its
    // socket over, since a restricted socket is made aside and moved into place.)
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return false;
    }
    // Nobody does: whatever is left there is from an app that ended without closing it.
    QLocalServer::removeServer(serverName_);
    if (server_->listen(serverName_))
        return true;
    qCWarning(lcApp).noquote() << u"Cannot listen for links on " + serverName_ + u": " + server_->errorString();
    return false;
}

bool LinkForwarder::isListening() const
{
    return server_->isListening();
}

void LinkForwarder::acceptConnections()
{
    // The others wait in the server's queue until a sender is done.
    while (connections_ < maxConnections) {
        QLocalSocket *socket = server_->nextPendingConnection();
        if (!socket)
            return;
        serve(socket);
    }
}

void LinkForwarder::serve(QLocalSocket *socket)
{
    ++connections_;
    socket->setParent(this);
    socket->setReadBufferSize(LinkMessage::maxBytes);
    auto message = std::make_shared<LinkMessage>();
    // What came before the deadline counts, even where the app was too busy to read it sooner.
    const QueueHandlePtr cutOff =
        queue_.after(silenceLimitMs, [this, socket = QPointer<QLocalSocket>(socket), message] {
            if (!socket || read(*socket, *message))
                return;
            qCDebug(lcLinks) << "a sender has not sent its whole message within a second; it is cut off";
            socket->abort();
            socket->deleteLater();
        });
    connect(socket, &QObject::destroyed, this, [this, cutOff] {
        cutOff->invalidate();
        --connections_;
        acceptConnections();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, message] { read(*socket, *message); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // Lines may already be waiting, and the sender may be gone already.
    read(*socket, *message);
    if (socket->state() == QLocalSocket::UnconnectedState)
        socket->deleteLater();
}

bool LinkForwarder::read(QLocalSocket &socket, LinkMessage &message)
{
    if (message.complete())
        return true;
    if (!message.append(socket.readAll())) {
        qCWarning(lcApp).noquote() << QStringLiteral("A handed-over message is too long; it is dropped");
        socket.abort();
        socket.deleteLater();
        return true;
    }
    if (!message.complete())
        return false;
    socket.write(LinkMessage::taken.data(), LinkMessage::taken.size());
    socket.disconnectFromServer();
    take(message.links());
    qCDebug(lcLinks) << "another launch asks for the window";
    emit raiseRequested();
    return true;
}

void LinkForwarder::take(const QStringList &links)
{
    if (links.isEmpty())
        return;
    newest_ = links.last();
    if (burstEnd_ && burstEnd_->isValid())
        burstEnd_->invalidate();
    else
        burstStart_ = queue_.now();
    const int delay = int(std::clamp<qint64>(burstMaxDelayMs - (queue_.now() - burstStart_), 0, burstQuietMs));
    burstEnd_ = queue_.after(delay, [this] { passOnNewest(); });
}

void LinkForwarder::passOnNewest()
{
    burstEnd_.reset();
    const QString link = std::exchange(newest_, QString());
    qCDebug(lcLinks).noquote() << u"passing on " + link;
    emit linkReceived(link);
}
