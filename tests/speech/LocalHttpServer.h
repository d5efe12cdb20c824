#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>

class QTcpServer;
class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for the speech service tests. Each path answers as set
// with answer(); unknown paths get 404. A stalled path reads the request and never answers.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        bool stall = false;
    };

    LocalHttpServer();

    [[nodiscard]] QString base() const;
    void answer(const QByteArray &path, Answer answer) { answers_[path] = std::move(answer); }
    // The request targets (path and query, as sent) in arrival order.
    [[nodiscard]] const QList<QByteArray> &requests() const { return requests_; }
    // A port on 127.0.0.1 where nothing listens.
    static quint16 closedPort();

private:
    void serve(QTcpSocket *socket);

    QTcpServer *server_;
    QHash<QByteArray, Answer> answers_;
    QList<QByteArray> requests_;
};
