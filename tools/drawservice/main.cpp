// numerant-drawservice: answers the online update of Numerant from a CSV file
// of draws, one GET per day on /zahlen/lotto_neu.asp.
#include "DrawService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QPointer>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>

#include <memory>

#include <algorithm>
#include <cstdio>

namespace {

QHttpServerResponder::StatusCode statusCode(int status)
{
    return static_cast<QHttpServerResponder::StatusCode>(status);
}

void logLine(const QString& text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("numerant-drawservice"));

    // The shipped history lies beside the program in a build, and in
    // ../share/numerant once installed.
    const QDir programDir(QCoreApplication::applicationDirPath());
    QString history = programDir.filePath(QStringLiteral("lotto-6aus49.csv"));
    if (!QFile::exists(history))
        history = programDir.filePath(QStringLiteral("../share/numerant/lotto-6aus49.csv"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves draws to Numerant's online update."));
    parser.addHelpOption();
    const QCommandLineOption csvOption(
        QStringLiteral("csv"), QStringLiteral("CSV file of draws (default: the shipped history)."),
        QStringLiteral("FILE"), QDir::cleanPath(history));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on; 0 picks a free one."),
                                        QStringLiteral("N"), QStringLiteral("8080"));
    const QCommandLineOption bindOption(QStringLiteral("bind"),
                                        QStringLiteral("Address to listen on (default: loopback)."),
                                        QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption delayOption(
        QStringLiteral("delay-ms"),
        QStringLiteral("Answer each request after N milliseconds, like a distant server."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption jitterOption(
        QStringLiteral("jitter-ms"),
        QStringLiteral("Vary that delay at random by up to N milliseconds either way."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption quietOption(
        QStringLiteral("quiet"), QStringLiteral("Print only the listening line, not each request."));
    parser.addOptions({csvOption, portOption, bindOption, delayOption, jitterOption, quietOption});
    parser.process(app);

    bool delayOk = false;
    bool jitterOk = false;
    const int delayMs = parser.value(delayOption).toInt(&delayOk);
    const int jitterMs = parser.value(jitterOption).toInt(&jitterOk);
    if (!delayOk || !jitterOk || delayMs < 0 || jitterMs < 0 || delayMs > 600000
        || jitterMs > 600000) {
        std::fprintf(stderr, "numerant-drawservice: bad --delay-ms or --jitter-ms\n");
        return 2;
    }

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    const QHostAddress address(parser.value(bindOption));
    if (!portOk || port > 65535 || address.isNull()) {
        std::fprintf(stderr, "numerant-drawservice: bad --port or --bind\n");
        return 2;
    }

    QFile file(parser.value(csvOption));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "numerant-drawservice: %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        return 1;
    }
    const bool quiet = parser.isSet(quietOption);
    DrawService service;
    QString error;
    if (!service.load(file.readAll(), &error)) {
        std::fprintf(stderr, "numerant-drawservice: %s:\n%s\n", qPrintable(file.fileName()),
                     qPrintable(error));
        return 1;
    }

    QHttpServer server;
    server.route(QStringLiteral("/zahlen/lotto_neu.asp"),
                 [&service, delayMs, jitterMs, quiet](const QHttpServerRequest& request,
                                                      QHttpServerResponder&& responder) {
        const DrawService::Answer answer = service.answer(request.query());
        if (!quiet)
            logLine(QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(QDateTime::currentDateTime().toString(Qt::ISODate),
                             request.remoteAddress().toString(), request.url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority))
                        .arg(answer.status)
                        .arg(answer.body.size()));
        const int wait = jitterMs == 0
                             ? delayMs
                             : std::max(0, delayMs + int(QRandomGenerator::global()->bounded(
                                                         -jitterMs, jitterMs + 1)));
        if (wait == 0) {
            responder.write(answer.body, QByteArrayLiteral("text/plain"), statusCode(answer.status));
            return;
        }
        // The answer waits on a timer, so other connections are served meanwhile;
        // a client that has gone away by then gets nothing.
        auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
        const QPointer<QTcpSocket> socket = held->socket();
        QTimer::singleShot(wait, socket.data(), [held, socket, answer] {
            if (socket && socket->state() == QAbstractSocket::ConnectedState)
                held->write(answer.body, QByteArrayLiteral("text/plain"), statusCode(answer.status));
        });
    });
    const quint16 bound = server.listen(address, quint16(port));
    if (bound == 0) {
        std::fprintf(stderr, "numerant-drawservice: cannot listen on %s:%u\n",
                     qPrintable(address.toString()), port);
        return 1;
    }
    logLine(QStringLiteral("numerant-drawservice: %1 draws up to %2 from %3, listening on http://%4:%5")
                .arg(service.drawCount())
                .arg(service.newest().toString(Qt::ISODate), file.fileName(), address.toString())
                .arg(bound));
    return app.exec();
}
