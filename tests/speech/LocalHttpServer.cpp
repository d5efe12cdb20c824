#include "LocalHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

LocalHttpServer::LocalHttpServer()
    : server_(new QTcpServer(this))
{
    server_->listen(QHostAddress::LocalHost);
    connect(server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QString LocalHttpServer::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server_->serverPort());
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QByteArray target = request.left(request.indexOf("\r\n")).split(' ').value(1);
    requests_.append(target);
    const Answer answer = answers_.value(
        target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?')), Answer{404, "Not Found", false});
    if (answer.stall)
        return;
    socket->write("HTTP/1.1 " + QByteArray::number(answer.status)
        + " Status\r\nContent-Type: application/octet-stream"
          "\r\nContent-Length: "
        + QByteArray::number(answer.body.size()) + "\r\nConnection: close\r\n\r\n" + answer.body);
    socket->disconnectFromHost();
}
