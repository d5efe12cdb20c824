#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// Keeps the app to one window per user: the first process listens on a local socket, and a
// later launch with links hands them over and exits instead of opening a second window.
class LinkForwarder : public QObject
{
    Q_OBJECT

public:
    // serverName is the socket's path; see defaultServerName().
    explicit LinkForwarder(QString serverName, QObject *parent = nullptr);
    ~LinkForwarder() override;

    // A socket in the user's runtime folder.
    static QString defaultServerName();

    // Sends the links to a process listening on serverName, one per line. False when nobody
    // listens there (or the links could not be written).
    static bool handOver(const QString &serverName, const QStringList &links, int timeoutMs = 2000);

    // Starts listening; a socket left behind by a process that ended without closing it is
    // replaced. False when another process listens there already or the socket cannot be made.
    bool listen();
    [[nodiscard]] bool isListening() const;
    [[nodiscard]] const QString &serverName() const { return serverName_; }

signals:
    // One link another process handed over.
    void linkReceived(const QString &link);

private:
    void acceptConnections();

    QString serverName_;
    QLocalServer *server_;
};
