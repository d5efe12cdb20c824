#pragma once

#include "platform/MainQueue.h"

#include <QObject>
#include <QString>
#include <QStringList>

class LinkMessage;
class QLocalServer;
class QLocalSocket;

// Keeps the app to one window per user: the first process listens on a local socket, and every
// later launch hands its links (if any) over, asks the running app to show its window, and exits
// instead of opening a second window.
//
// The socket lives only in a folder the user owns and no one else may enter. A message is framed
// by LinkMessage; the running app answers it with LinkMessage::taken, so a launch reports a
// hand-over only once the app has it. At most maxConnections senders are served at once, later
// ones wait their turn, and a sender that has not sent its whole message within silenceLimitMs
// is cut off. A burst of links opens only its newest, so a flood of them cannot grow memory.
class LinkForwarder : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxConnections = 8;
    static constexpr int silenceLimitMs = 1000;
    // A link is passed on once no other has come for burstQuietMs, at the latest burstMaxDelayMs
    // after the first link of the burst.
    static constexpr int burstQuietMs = 100;
    static constexpr int burstMaxDelayMs = 1000;

    // serverName is the socket's path (see defaultServerName()); deadlines are timed on queue.
    LinkForwarder(QString serverName, MainQueue &queue, QObject *parent = nullptr);
    ~LinkForwarder() override;

    // The socket in the user's runtime folder ($XDG_RUNTIME_DIR); empty, with one warning, when
    // that folder is not private to the user.
    static QString defaultServerName();
    // folder, made with mode 0700 if it is missing, when the user owns it and no one else may
    // enter it; otherwise empty, and refusal says why.
    static QString privateFolder(const QString &folder, QString *refusal = nullptr);

    // Sends the links and the request to show the window to a process listening on serverName.
    // False when nobody listens there or the app did not take the message in time.
    static bool handOver(const QString &serverName, const QStringList &links, int timeoutMs = 3000);

    // Starts listening unless another process answers on the socket; the check and the listen are
    // made under one lock file beside the socket, so two launches never both listen. A socket left
    // behind by a process that ended without closing it is replaced.
    bool listen();
    [[nodiscard]] bool isListening() const;
    [[nodiscard]] const QString &serverName() const { return serverName_; }

signals:
    // The newest link of a burst another process handed over.
    void linkReceived(const QString &link);
    // Another launch asks for the window to be shown.
    void raiseRequested();

private:
    void acceptConnections();
    void serve(QLocalSocket *socket);
    // Reads what the sender has sent and, once the message is whole, answers it and passes it on.
    // True once the message is whole or dropped.
    bool read(QLocalSocket &socket, LinkMessage &message);
    void take(const QStringList &links);
    void passOnNewest();

    QString serverName_;
    MainQueue &queue_;
    QLocalServer *server_;
    int connections_ = 0;
    QString newest_;
    qint64 burstStart_ = 0;
    QueueHandlePtr burstEnd_;
};
