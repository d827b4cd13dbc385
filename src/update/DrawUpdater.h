#pragma once

#include "draws/Draw.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkProxy;
class QTimer;

// Brings the draw database up to date from the draw service: one GET per
// calendar day, in the background, appending a record for every draw line of
// a day. Each record is written and flushed on its own, so whatever ends the
// update (the end of the range, a stop, an error, a crash) leaves only whole
// records behind.
class DrawUpdater : public QObject {
    Q_OBJECT
public:
    explicit DrawUpdater(QObject* parent = nullptr);
    ~DrawUpdater() override;

    // Asked before each request: fills the proxy (no proxy for an empty host)
    // and returns an error text when the settings cannot be used.
    using ProxySource = std::function<QString(QNetworkProxy& proxy)>;

    struct Limits {
        int idleTimeoutMs = 15000;      // no data for this long fails the request
        int totalTimeoutMs = 60000;     // nor may a trickle of data go on forever
        qint64 maxBodyBytes = 1 << 20;  // a larger answer is no day's draws
        int maxRedirects = 5;
    };

    void setLimits(const Limits& limits) { limits_ = limits; }

    // Requests the days first..last for the database at databasePath from
    // the service at `service` (scheme, host, port; the path is fixed).
    void start(const QUrl& service, const QString& databasePath, const QDate& first,
               const QDate& last, ProxySource proxy);
    bool isRunning() const { return running_; }

    // Ends the update at once: the request in flight is aborted and nothing
    // of it is stored. finished() is emitted before this returns.
    void stop();

signals:
    void dayStarted(const QDate& day);     // a request goes out
    void bodyReceived(qint64 bytes);       // its answer has arrived
    void statusText(const QString& text);  // for status panel 0
    void drawStored(const Draw& draw);     // appended to the database
    // The update is over; message is empty, or what the user must read
    // (a line that is no draw, a failed request). nextDay is the day after
    // the last one handled completely.
    void finished(const QString& message, const QDate& nextDay);

private:
    void requestDay();
    void onFinished();
    void abortWith(const QString& reason);
    void finish(const QString& message);
    void armIdleTimer();

    QNetworkAccessManager* network_ = nullptr;
    QTimer* idleTimer_ = nullptr;
    QTimer* totalTimer_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QString abortReason_;
    Limits limits_;
    QUrl service_;
    QString databasePath_;
    QDate day_;
    QDate last_;
    ProxySource proxy_;
    bool running_ = false;
};
