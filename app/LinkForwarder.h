#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// Keeps the app to one window per user: the first process listens on a local socket, and every
// later launch hands its links (if any) over, asks the running app to show its window, and exits
// instead of opening a second window.
//
// A message is one line per link, then the line "raise". Only the first maxLinksPerMessage links
// of a message are taken, a message is cut off at maxMessageBytes and at most maxConnections
// senders are served at once, so that a flood of links cannot grow memory.
class LinkForwarder : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxLinksPerMessage = 8;
    static constexpr qint64 maxMessageBytes = 64 * 1024;
    static constexpr int maxConnections = 8;

    // serverName is the socket's path; see defaultServerName().
    explicit LinkForwarder(QString serverName, QObject *parent = nullptr);
    ~LinkForwarder() override;

    // A socket in the user's runtime folder.
    static QString defaultServerName();

    // Sends the links and the request to show the window to a process listening on serverName.
    // False when nobody listens there (or the message could not be written).
    static bool handOver(const QString &serverName, const QStringList &links, int timeoutMs = 2000);

    // Starts listening; a socket left behind by a process that ended without closing it is
    // replaced. False when another process listens there already or the socket cannot be made.
    bool listen();
    [[nodiscard]] bool isListening() const;
    [[nodiscard]] const QString &serverName() const { return serverName_; }

signals:
    // One link another process handed over.
    void linkReceived(const QString &link);
    // Another launch asks for the window to be shown.
    void raiseRequested();

private:
    void acceptConnections();
    void serve(class QLocalSocket *socket);

    QString serverName_;
    QLocalServer *server_;
    int connections_ = 0;
};
