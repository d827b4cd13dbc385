#include "update/DrawUpdater.h"

#include "draws/DrawFile.h"
#include "draws/UpdateRules.h"
#include "text/TextLine.h"
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
    return UiText::line(TextLine::UpdateSilent).arg(seconds);
}
QString totalTimeoutText(int seconds)
{
    return UiText::line(TextLine::UpdateTooSlow).arg(seconds);
}
QString tooLargeText(qint64 limit)
{
    return UiText::line(TextLine::UpdateTooLarge).arg(limit / 1024);
}
QString connectionFailedText(const QString& error)
{
    return UiText::line(TextLine::UpdateConnectionFailed).arg(error);
}
QString storeFailedText(const QString& error)
{
    return UiText::line(TextLine::UpdateStoreFailed).arg(error);
}

// Answers that arrived ahead of a slow day wait for it; this many requests
// per open slot may be held, so a stuck day cannot pile up answers forever.
constexpr int kHeldPerSlot = 4;

// Records gathered for one write: at most this many, held at most this long.
// A crash loses only answers that were never reported as stored.
constexpr std::size_t kBatchRecords = 256;
constexpr int kBatchMs = 100;

} // namespace

DrawUpdater::DrawUpdater(QObject* parent) : QObject(parent)
{
    // Qt opens at most six connections per host and manager; two managers
    // let a window of eight requests go out at once instead of queueing.
    for (QNetworkAccessManager*& network : networks_)
        network = new QNetworkAccessManager(this);
    flushTimer_ = new QTimer(this);
    flushTimer_->setSingleShot(true);
    connect(flushTimer_, &QTimer::timeout, this, [this] {
        if (running_ && flush()) {
            if (nextToApply_ > last_)
                finish(QString());
            else
                fillWindow();
        }
    });
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
    nextToCollect_ = first;
    pending_ = Batch();
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
    if (!running_)
        return;
    // Answers that are ready in day order are gathered and written together:
    // one flush to disk for many records instead of one for each.
    QString failure;
    while (failure.isEmpty()) {
        const auto found = requests_.find(nextToCollect_);
        if (found == requests_.end() || !found->done)
            break;
        const Request request = *found;
        requests_.erase(found);
        failure = collect(nextToCollect_, request, pending_);
        if (failure.isEmpty())
            nextToCollect_ = nextToCollect_.addDays(1);
    }
    const bool ending = !failure.isEmpty() || nextToCollect_ > last_;
    if (ending || pending_.records.empty() || pending_.records.size() >= kBatchRecords) {
        if (!flush())
            return;
    } else if (!flushTimer_->isActive()) {
        flushTimer_->start(kBatchMs);
    }
    if (!running_)
        return;
    if (!failure.isEmpty()) {
        finish(failure);
        return;
    }
    if (nextToApply_ > last_) {
        finish(QString());
        return;
    }
    fillWindow();
}

bool DrawUpdater::flush()
{
    flushTimer_->stop();
    Batch batch;
    std::swap(batch, pending_);
    if (!batch.records.empty()) {
        const QString problem = DrawFile(databasePath_).append(batch.records);
        if (!problem.isEmpty()) {
            // All or none: the file ends before the batch, as does the update.
            finish(storeFailedText(problem));
            return false;
        }
    }
    // The file now holds the whole batch; what a listener does in between
    // (even a stop) cannot take it back, so the counts say so first.
    added_ += int(batch.records.size());
    for (const Batch::Day& day : batch.days)
        if (day.complete)
            nextToApply_ = day.day.addDays(1);
    announce(batch);
    return running_;
}

QString DrawUpdater::collect(const QDate& day, const Request& request, Batch& batch) const
{
    if (!request.failure.isEmpty())
        return request.failure;
    Batch::Day applied;
    applied.day = day;
    applied.bytes = request.body.size();
    QString problem;
    switch (UpdateRules::classify(request.status)) {
    case UpdateRules::Reply::NotYet:
        applied.status = UpdateRules::notYetText(day);
        break;
    case UpdateRules::Reply::Failed:
        applied.status = UpdateRules::failedText(request.status, request.reasonPhrase);
        break;
    case UpdateRules::Reply::Nothing:
        break;
    case UpdateRules::Reply::Draws:
        // The lines before a bad one are stored; the day is not complete.
        for (const QString& line : UpdateRules::bodyLines(request.body)) {
            const UpdateRules::ParsedLine parsed = UpdateRules::parseLine(line);
            if (!parsed.ok) {
                problem = parsed.problem;
                break;
            }
            batch.records.push_back(UpdateRules::recordFor(parsed, day));
        }
        break;
    }
    applied.complete = problem.isEmpty();
    batch.days.push_back(std::move(applied));
    return problem;
}

void DrawUpdater::announce(const Batch& batch)
{
    // Every stored record is told, even after a listener stopped the update:
    // it is in the file. Of the days, only the batch's last is told: what
    // the progress shows is the day applied last and that day's answer.
    for (const Draw& record : batch.records)
        emit drawStored(record);
    if (!running_ || batch.days.empty())
        return;
    const Batch::Day& last = batch.days.back();
    emit bodyReceived(last.bytes);
    if (!last.status.isEmpty())
        emit statusText(last.status);
    for (auto day = batch.days.rbegin(); day != batch.days.rend(); ++day) {
        if (day->complete) {
            emit dayApplied(day->day);
            break;
        }
    }
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
    flushTimer_->stop();
    pending_ = Batch();
    dropAll();
    emit finished(message, nextToApply_, added_);
}
