#include "app/LinkForwarder.h"

#include "platform/Logging.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// More than any handed-over links could need; a longer message is cut off there.
constexpr qint64 maxMessageBytes = 64 * 1024;

}

LinkForwarder::LinkForwarder(QString serverName, QObject *parent)
    : QObject(parent), serverName_(std::move(serverName)), server_(new QLocalServer(this))
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
    for (const QString &link : links)
        message += link.toUtf8() + '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs) && socket.bytesToWrite() > 0) {
        qCWarning(lcApp).noquote() << u"LinkForwarder >> handOver >> could not write to " + serverName + u": " + socket.errorString();
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
    qCWarning(lcApp).noquote() << u"LinkForwarder >> listen >> cannot listen on " + serverName_ + u": " + server_->errorString();
    return false;
}

bool LinkForwarder::isListening() const
{
    return server_->isListening();
}

void LinkForwarder::acceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        auto buffer = std::make_shared<QByteArray>();
        auto readAll = [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->size() > maxMessageBytes) {
                qCWarning(lcApp).noquote() << QStringLiteral("LinkForwarder >> a handed-over message is too long; it is dropped");
                buffer->clear();
                socket->abort();
                return;
            }
            qsizetype newline;
            while ((newline = buffer->indexOf('\n')) >= 0) {
                const QString link = QString::fromUtf8(buffer->left(newline)).trimmed();
                buffer->remove(0, newline + 1);
                if (!link.isEmpty())
                    emit linkReceived(link);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readAll);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Lines may already be waiting, and the sender may be gone already.
        readAll();
        if (socket->state() == QLocalSocket::UnconnectedState)
            socket->deleteLater();
    }
}
