#include "app/LinkForwarder.h"

#include "platform/Logging.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace {

const QByteArray raiseLine = QByteArrayLiteral("raise");

}

LinkForwarder::LinkForwarder(QString serverName, QObject *parent)
    : QObject(parent)
    , serverName_(std::move(serverName))
    , server_(new QLocalServer(this))
{
    // Only this user may hand links to the app.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LinkForwarder::acceptConnections);
}

LinkForwarder::~LinkForwarder() = default;

QString LinkForwarder::defaultServerName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/flexio-links");
}

bool LinkForwarder::handOver(const QString &serverName, const QStringList &links, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    for (const QString &link : links.mid(0, maxLinksPerMessage))
        message += link.toUtf8() + '\n';
    message += raiseLine + '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs) && socket.bytesToWrite() > 0) {
        qCWarning(lcApp).noquote() << u"LinkForwarder >> handOver >> could not write to " + serverName + u": "
                + socket.errorString();
        return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

bool LinkForwarder::listen()
{
    if (server_->isListening())
        return true;
    // Someone answers there: that is the running app. (Listening would silently take its
    // socket over, since a restricted socket is made aside and moved into place.)
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (probe.waitForConnected(500)) {
        probe.disconnectFromServer();
        return false;
    }
    // Nobody does: whatever is left there is from an app that ended without closing it.
    QLocalServer::removeServer(serverName_);
    if (server_->listen(serverName_))
        return true;
    qCWarning(lcApp).noquote() << u"LinkForwarder >> listen >> cannot listen on " + serverName_ + u": "
            + server_->errorString();
    return false;
}

bool LinkForwarder::isListening() const
{
    return server_->isListening();
}

void LinkForwarder::acceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        if (connections_ >= maxConnections) {
            qCDebug(lcLinks) << "too many senders at once; one is turned away";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

void LinkForwarder::serve(QLocalSocket *socket)
{
    ++connections_;
    socket->setParent(this);
    connect(socket, &QObject::destroyed, this, [this] { --connections_; });
    auto buffer = std::make_shared<QByteArray>();
    auto linksTaken = std::make_shared<int>(0);
    auto readAll = [this, socket, buffer, linksTaken] {
        buffer->append(socket->read(maxMessageBytes + 1 - buffer->size()));
        qsizetype newline;
        while ((newline = buffer->indexOf('\n')) >= 0) {
            const QByteArray line = buffer->left(newline).trimmed();
            buffer->remove(0, newline + 1);
            if (line == raiseLine) {
                qCDebug(lcLinks) << "another launch asks for the window";
                emit raiseRequested();
            } else if (!line.isEmpty() && (*linksTaken)++ < maxLinksPerMessage) {
                emit linkReceived(QString::fromUtf8(line));
            } else if (!line.isEmpty()) {
                qCDebug(lcLinks) << "a link beyond the first" << maxLinksPerMessage << "of a message is dropped";
            }
        }
        if (buffer->size() > maxMessageBytes) {
            qCWarning(lcApp).noquote() << QString(
                QStringLiteral("LinkForwarder >> a handed-over message is too long; it is dropped"));
            buffer->clear();
            socket->abort();
        }
    };
    connect(socket, &QLocalSocket::readyRead, this, readAll);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // Lines may already be waiting, and the sender may be gone already.
    readAll();
    if (socket->state() == QLocalSocket::UnconnectedState)
        socket->deleteLater();
}
