#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for the update tests. Each path has
// one answer; a request for any other path gets 404. An answer can leave out
// its Content-Length (the body then ends when the connection closes) or be
// silent: the connection is accepted and never answered; or break off in
// the middle of the body. It can also announce a length of its own, redirect,
// send an endless body (written as the client takes it, so the server's
// memory stays flat), or send part of the body and hold the connection open
// until sendRest().
class HttpTestServer : public QObject
{
    Q_OBJECT
public:
    struct Answer
    {
        QByteArray body;
        int status = 200;
        bool contentLength = true;
        bool silent = false;
        qsizetype sentBytes = -1;  // >= 0: the connection drops after this much body
        bool holdOpen = false;     // with sentBytes: wait for sendRest() instead
        qint64 declaredLength = -1;  // >= 0: the Content-Length sent, whatever the body
        QByteArray location = {};  // a Location header (with a 3xx status)
        bool endless = false;      // the body never ends
    };

    HttpTestServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &HttpTestServer::accept);
        if (!m_server.listen(QHostAddress::LocalHost, 0))
            qFatal("the test server cannot listen");
    }

    void setAnswer(const QString &path, const Answer &answer) { m_answers[path] = answer; }
    QUrl baseUrl() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort())); }
    // Stops listening: connections to the port are refused from now on.
    void stop() { m_server.close(); }
    int requests(const QString &path) const { return m_requests.value(path); }
    // The held connections get the rest of their bodies and are closed.
    void sendRest()
    {
        for (const auto &[socket, rest] : std::as_const(m_held)) {
            if (socket) {
                socket->write(rest);
                socket->disconnectFromHost();
            }
        }
        m_held.clear();
    }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_pending.remove(socket);
                socket->deleteLater();
            });
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        m_pending.remove(socket);
        ++m_requests[path];
        const Answer answer = m_answers.value(path, Answer{QByteArrayLiteral("<html>Not found</html>"), 404});
        if (answer.silent)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + (answer.status == 200 ? " OK" : " Other") + "\r\n";
        head += "Content-Type: application/octet-stream\r\nConnection: close\r\n";
        if (answer.declaredLength >= 0)
            head += "Content-Length: " + QByteArray::number(answer.declaredLength) + "\r\n";
        else if (answer.contentLength)
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        if (!answer.location.isEmpty())
            head += "Location: " + answer.location + "\r\n";
        socket->write(head + "\r\n");
        if (answer.endless) {
            const QByteArray block(256 * 1024, 'x');
            auto more = [socket, block] {
                if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 1024 * 1024)
                    socket->write(block);
            };
            connect(socket, &QTcpSocket::bytesWritten, socket, more);
            more();
            return;
        }
        socket->write(answer.sentBytes >= 0 ? answer.body.left(answer.sentBytes) : answer.body);
        if (answer.sentBytes >= 0 && answer.holdOpen) {
            m_held.append({socket, answer.body.mid(answer.sentBytes)});
            return;
        }
        socket->disconnectFromHost();  // after the buffered body is written
    }

    QTcpServer m_server;
    QHash<QString, Answer> m_answers;
    QHash<QString, int> m_requests;
    QHash<QTcpSocket *, QByteArray> m_pending;
    QList<std::pair<QPointer<QTcpSocket>, QByteArray>> m_held;
};
