#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

// A draw service on loopback that answers with raw bytes, so it can also
// misbehave: wrong status lines, bodies that stall or never end, redirects in
// a circle. Connections are kept alive between requests.
class FakeDrawService : public QObject {
public:
    // Writes the answer to a request for `target` (path and query) on the
    // socket; it may also write nothing and leave the request hanging.
    using Responder = std::function<void(QTcpSocket& socket, const QString& target)>;

    explicit FakeDrawService(QObject* parent = nullptr) : QObject(parent)
    {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(*socket); });
            }
        });
    }

    bool listen() { return server_.listen(QHostAddress::LocalHost); }
    bool isListening() const { return server_.isListening(); }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

    // Answers by the requested day ("yyyymmdd"); days without an entry get
    // the fallback, by default 500 (not drawn yet).
    QHash<QString, QByteArray> byDay;
    QByteArray fallback = status(500, "Internal Server Error");
    Responder responder; // when set, answers every request instead

    QStringList targets;          // every request's path and query, in order
    QList<QByteArray> heads;      // every request's header block
    QList<QPointer<QTcpSocket>> hanging; // sockets whose request got no answer

    static QByteArray answer(int code, const char* reason, const QByteArray& body)
    {
        return "HTTP/1.1 " + QByteArray::number(code) + ' ' + reason
               + "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size())
               + "\r\n\r\n" + body;
    }
    static QByteArray ok(const QByteArray& body) { return answer(200, "OK", body); }
    static QByteArray status(int code, const char* reason) { return answer(code, reason, {}); }

    static QString day(const QString& target)
    {
        return QUrlQuery(QUrl(target).query()).queryItemValue(QStringLiteral("Datum"));
    }

private:
    void read(QTcpSocket& socket)
    {
        QByteArray& buffer = pending_[&socket];
        buffer += socket.readAll();
        qsizetype end;
        while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
            const QByteArray head = buffer.left(end);
            buffer.remove(0, end + 4);
            const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
            const QString target = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
            targets << target;
            heads << head;
            if (responder) {
                responder(socket, target);
                continue;
            }
            const auto found = byDay.constFind(day(target));
            socket.write(found != byDay.constEnd() ? *found : fallback);
        }
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
};
