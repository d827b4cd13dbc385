#pragma once

#include "draws/Draw.h"

#include <QByteArray>
#include <QDate>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkProxy;
class QTimer;

// Brings the draw database up to date from the draw service: one GET per
// calendar day, in the background. Several days are asked for at once, since
// over a real network the time goes into waiting, but their answers are
// applied strictly in day order: a day's records are appended only when every
// earlier day has been answered and applied. Records are gathered for up to
// a tenth of a second and appended and flushed to disk together, all or none,
// before they are reported as stored, so whatever ends the update (the end of
// the range, a stop, an error, a crash) leaves the database a prefix of the
// full result.
class DrawUpdater : public QObject {
    Q_OBJECT
public:
    explicit DrawUpdater(QObject* parent = nullptr);
    ~DrawUpdater() override;

    // Asked before each request: fills the proxy (no proxy for an empty host)
    // and returns an error text when the settings cannot be used.
    using ProxySource = std::function<QString(QNetworkProxy& proxy)>;

    // Every limit holds for each request on its own.
    struct Limits {
        int idleTimeoutMs = 15000;      // no data for this long fails the request
        int totalTimeoutMs = 60000;     // nor may a trickle of data go on forever
        qint64 maxBodyBytes = 1 << 20;  // a larger answer is no day's draws
        int maxRedirects = 5;
        int inFlight = 8;               // requests open at once
    };

    void setLimits(const Limits& limits) { limits_ = limits; }

    // Requests the days first..last for the database at databasePath from
    // the service at `service` (scheme, host, port; the path is fixed).
    void start(const QUrl& service, const QString& databasePath, const QDate& first,
               const QDate& last, ProxySource proxy);
    bool isRunning() const { return running_; }

    // Ends the update at once: the requests in flight are aborted and no
    // answer that was not applied yet is stored. finished() is emitted
    // before this returns.
    void stop();

signals:
    // Told once per written batch, for its last day: every day up to `day`
    // has been dealt with; the size of the last answer; its status text.
    void dayApplied(const QDate& day);
    void bodyReceived(qint64 bytes);
    void statusText(const QString& text);  // for status panel 0
    void drawStored(const Draw& draw);     // appended to the database
    // The update is over; message is empty, or what the user must read
    // (a line that is no draw, a failed request). nextDay is the day after
    // the last one applied completely; added counts the records appended.
    void finished(const QString& message, const QDate& nextDay, int added);

private:
    // One day asked for: in flight until `done`, then waiting for its turn.
    struct Request {
        QPointer<QNetworkReply> reply;
        QTimer* idleTimer = nullptr;
        QTimer* totalTimer = nullptr;
        std::size_t network = 0; // which of networks_ carries it
        bool done = false;
        QString failure; // when done: why the update must end here
        int status = 0;
        QString reasonPhrase;
        QByteArray body;
    };

    bool send(const QDate& day);
    void fillWindow();
    void endsAt(const QDate& day);
    void onReplyFinished(const QDate& day);
    void failRequest(const QDate& day, const QString& reason);
    void schedulePump();
    void pump();
    // The answers of consecutive days, ready to be written together.
    struct Batch {
        struct Day {
            QDate day;
            qint64 bytes = 0;
            QString status;        // for status panel 0, or empty
            bool complete = true;  // false: a bad line ended it
        };
        std::vector<Day> days;
        std::vector<Draw> records;
    };
    // Adds the day's answer to the batch; returns why the update must end
    // after the batch, or nothing.
    QString collect(const QDate& day, const Request& request, Batch& batch) const;
    // Writes the gathered records, then tells what they were; false when the
    // update ended on the way.
    bool flush();
    void announce(const Batch& batch);
    void releaseRequest(Request& request);
    void dropAll();
    void finish(const QString& message);

    std::array<QNetworkAccessManager*, 2> networks_{};
    QMap<QDate, Request> requests_;
    Limits limits_;
    QUrl service_;
    QString databasePath_;
    QDate nextToSend_;
    QDate nextToApply_;   // the first day not yet written and told
    QDate nextToCollect_; // the first day whose answer is not gathered yet
    Batch pending_;
    QTimer* flushTimer_ = nullptr;
    QDate last_;
    QDate stopAfter_; // no request goes out for a day after one that failed
    ProxySource proxy_;
    int added_ = 0;
    bool running_ = false;
    bool pumpScheduled_ = false;
};
