#include "update/DrawUpdater.h"

#include "draws/DrawFile.h"
#include "draws/UpdateRules.h"
#include "text/MessageLines.h"
#include "text/UiText.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>

namespace {

// What the user reads when a request is given up.
QString timeoutText(int seconds)
{
    return UiText::line(MessageLine::UpdateSilent).arg(seconds);
}
QString totalTimeoutText(int seconds)
{
    return UiText::line(MessageLine::UpdateTooSlow).arg(seconds);
}
QString tooLargeText(qint64 limit)
{
    return UiText::line(MessageLine::UpdateTooLarge).arg(limit / 1024);
}
QString connectionFailedText(const QString& error)
{
    return UiText::line(MessageLine::UpdateConnectionFailed).arg(error);
}
QString storeFailedText(const QString& error)
{
    return UiText::line(MessageLine::UpdateStoreFailed).arg(error);
}

// Answers that arrived ahead of a slow day wait for it; this many requests
// per open slot may be held, so a stuck day cannot pile up answers forever.
constexpr int kHeldPerSlot = 4;

} // namespace

DrawUpdater::DrawUpdater(QObject* parent) : QObject(parent)
{
    // Qt opens at most six connections per host and manager; two managers
    // let a window of eight requests go out at once instead of queueing.
    for (QNetworkAccessManager*& network : networks_)
        network = new QNetworkAccessManager(this);
}

DrawUpdater::~DrawUpdater()
{
    dropAll();
}

void DrawUpdater::start(const QUrl& service, const QString& databasePath, const QDate& first,
                        const QDate& last, ProxySource proxy)
{
    dropAll();
    service_ = service;
    databasePath_ = databasePath;
    nextToSend_ = first;
    nextToApply_ = first;
    last_ = last;
    stopAfter_ = QDate();
    proxy_ = std::move(proxy);
    added_ = 0;
    running_ = true;
    if (first > last) {
        finish(QString());
        return;
    }
    emit statusText(UpdateRules::loadingText());
    fillWindow();
}

void DrawUpdater::stop()
{
    finish(QString());
}

void DrawUpdater::fillWindow()
{
    const int width = std::max(1, limits_.inFlight);
    const auto inFlight = [this] {
        int count = 0;
        for (const Request& request : std::as_const(requests_))
            count += request.done ? 0 : 1;
        return count;
    };
    int open = inFlight();
    while (running_ && open < width && requests_.size() < width * kHeldPerSlot
           && nextToSend_ <= last_ && (!stopAfter_.isValid() || nextToSend_ <= stopAfter_)) {
        const QDate day = nextToSend_;
        nextToSend_ = nextToSend_.addDays(1);
        if (send(day))
            ++open;
    }
}

bool DrawUpdater::send(const QDate& day)
{
    Request& request = requests_[day];
    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (proxy_) {
        const QString problem = proxy_(proxy);
        if (!problem.isEmpty()) {
            request.done = true;
            request.failure = problem;
            endsAt(day);
            schedulePump();
            return false;
        }
    }
    // The manager with fewer requests open, so neither queues one of its own.
    std::array<int, std::tuple_size_v<decltype(networks_)>> open{};
    for (const Request& other : std::as_const(requests_))
        if (other.reply)
            ++open[other.network];
    request.network = std::size_t(std::min_element(open.begin(), open.end()) - open.begin());
    QNetworkAccessManager* network = networks_[request.network];
    network->setProxy(proxy);

    QUrl url = service_;
    url.setPath(QLatin1String(UpdateRules::kPath));
    url.setQuery(UpdateRules::query(day));
    url.setFragment(QString());
    QNetworkRequest get(url);
    get.setRawHeader("Accept", "text/html, */*");
    get.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Numerant"));
    // Never from https down to http, and never round in circles.
    get.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                     QNetworkRequest::NoLessSafeRedirectPolicy);
    get.setMaximumRedirectsAllowed(limits_.maxRedirects);
    get.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    QNetworkReply* reply = network->get(get);
    request.reply = reply;
    request.idleTimer = new QTimer(this);
    request.idleTimer->setSingleShot(true);
    connect(request.idleTimer, &QTimer::timeout, this, [this, day] {
        failRequest(day, timeoutText((limits_.idleTimeoutMs + 999) / 1000));
    });
    request.totalTimer = new QTimer(this);
    request.totalTimer->setSingleShot(true);
    connect(request.totalTimer, &QTimer::timeout, this, [this, day] {
        failRequest(day, totalTimeoutText((limits_.totalTimeoutMs + 999) / 1000));
    });
    request.idleTimer->start(limits_.idleTimeoutMs);
    request.totalTimer->start(limits_.totalTimeoutMs);

    QTimer* idle = request.idleTimer;
    const qint64 maxBody = limits_.maxBodyBytes;
    const int idleMs = limits_.idleTimeoutMs;
    connect(reply, &QNetworkReply::finished, this, [this, day] { onReplyFinished(day); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, day, reply, idle, maxBody, idleMs] {
        idle->start(idleMs);
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBody)
            failRequest(day, tooLargeText(maxBody));
    });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, day, idle, maxBody, idleMs](qint64 received, qint64) {
                idle->start(idleMs);
                if (received > maxBody)
                    failRequest(day, tooLargeText(maxBody));
            });
    return true;
}

void DrawUpdater::endsAt(const QDate& day)
{
    if (!stopAfter_.isValid() || day < stopAfter_)
        stopAfter_ = day;
}

void DrawUpdater::releaseRequest(Request& request)
{
    // Timers and replies may be the very sender whose signal is running.
    for (QTimer** timer : {&request.idleTimer, &request.totalTimer}) {
        if (*timer) {
            (*timer)->disconnect(this);
            (*timer)->stop();
            (*timer)->deleteLater();
            *timer = nullptr;
        }
    }
    if (QNetworkReply* reply = request.reply.data()) {
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
    request.reply.clear();
}

void DrawUpdater::failRequest(const QDate& day, const QString& reason)
{
    const auto found = requests_.find(day);
    if (found == requests_.end() || found->done)
        return;
    // The transfer and its connection end here, before anyone reads the
    // reason: a refused answer must not go on arriving behind a message.
    releaseRequest(*found);
    found->done = true;
    found->failure = reason;
    endsAt(day);
    schedulePump();
}

void DrawUpdater::onReplyFinished(const QDate& day)
{
    const auto found = requests_.find(day);
    if (found == requests_.end() || found->done || !found->reply)
        return;
    Request& request = *found;
    QNetworkReply* reply = request.reply.data();

    const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply->error();
    // Error answers of the server (404, 500, ...) come with their status and
    // are handled by status; failures below HTTP (no connection, a redirect
    // loop, a refused redirect) have only their error text.
    const bool httpAnswer = statusAttribute.isValid()
                            && (error == QNetworkReply::NoError
                                || error >= QNetworkReply::ContentAccessDenied);
    if (!httpAnswer) {
        request.failure = connectionFailedText(reply->errorString());
        endsAt(day);
    } else {
        request.status = statusAttribute.toInt();
        request.reasonPhrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        request.body = reply->readAll();
    }
    releaseRequest(request);
    request.done = true;
    schedulePump();
}

void DrawUpdater::schedulePump()
{
    // Answers are applied from the event loop, never from inside a reply's
    // signal: QNetworkReply::abort() emits finished() before it closes the
    // connection, and what follows an answer may be a modal message.
    if (pumpScheduled_)
        return;
    pumpScheduled_ = true;
    QMetaObject::invokeMethod(this, &DrawUpdater::pump, Qt::QueuedConnection);
}

void DrawUpdater::pump()
{
    pumpScheduled_ = false;
    while (running_) {
        const auto found = requests_.find(nextToApply_);
        if (found == requests_.end() || !found->done)
            break;
        const Request request = *found;
        requests_.erase(found);
        if (!apply(nextToApply_, request))
            return;
        nextToApply_ = nextToApply_.addDays(1);
    }
    if (!running_)
        return;
    if (nextToApply_ > last_) {
        finish(QString());
        return;
    }
    fillWindow();
}

bool DrawUpdater::apply(const QDate& day, const Request& request)
{
    if (!request.failure.isEmpty()) {
        finish(request.failure);
        return false;
    }
    emit bodyReceived(request.body.size());
    switch (UpdateRules::classify(request.status)) {
    case UpdateRules::Reply::NotYet:
        emit statusText(UpdateRules::notYetText(day));
        break;
    case UpdateRules::Reply::Failed:
        emit statusText(UpdateRules::failedText(request.status, request.reasonPhrase));
        break;
    case UpdateRules::Reply::Nothing:
        break;
    case UpdateRules::Reply::Draws: {
        const DrawFile file(databasePath_);
        for (const QString& line : UpdateRules::bodyLines(request.body)) {
            const UpdateRules::ParsedLine parsed = UpdateRules::parseLine(line);
            if (!parsed.ok) {
                finish(parsed.problem);
                return false;
            }
            const Draw record = UpdateRules::recordFor(parsed, day);
            const QString problem = file.append({record});
            if (!problem.isEmpty()) {
                finish(storeFailedText(problem));
                return false;
            }
            ++added_;
            emit drawStored(record);
            if (!running_)
                return false;
        }
        break;
    }
    }
    if (running_)
        emit dayApplied(day);
    return running_;
}

void DrawUpdater::dropAll()
{
    for (Request& request : requests_)
        releaseRequest(request);
    requests_.clear();
}

void DrawUpdater::finish(const QString& message)
{
    if (!running_)
        return;
    running_ = false;
    // Nothing that was not applied is kept, and nothing more goes out.
    dropAll();
    emit finished(message, nextToApply_, added_);
}
