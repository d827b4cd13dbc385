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

} // namespace

DrawUpdater::DrawUpdater(QObject* parent)
    : QObject(parent),
      network_(new QNetworkAccessManager(this)),
      idleTimer_(new QTimer(this)),
      totalTimer_(new QTimer(this))
{
    idleTimer_->setSingleShot(true);
    totalTimer_->setSingleShot(true);
    connect(idleTimer_, &QTimer::timeout, this,
            [this] { abortWith(timeoutText((limits_.idleTimeoutMs + 999) / 1000)); });
    connect(totalTimer_, &QTimer::timeout, this,
            [this] { abortWith(totalTimeoutText((limits_.totalTimeoutMs + 999) / 1000)); });
}

DrawUpdater::~DrawUpdater()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void DrawUpdater::start(const QUrl& service, const QString& databasePath, const QDate& first,
                        const QDate& last, ProxySource proxy)
{
    service_ = service;
    databasePath_ = databasePath;
    day_ = first;
    last_ = last;
    proxy_ = std::move(proxy);
    running_ = true;
    requestDay();
}

void DrawUpdater::stop()
{
    if (!running_)
        return;
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    finish(QString());
}

void DrawUpdater::requestDay()
{
    if (day_ > last_) {
        finish(QString());
        return;
    }

    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (proxy_) {
        const QString problem = proxy_(proxy);
        if (!problem.isEmpty()) {
            finish(problem);
            return;
        }
    }
    network_->setProxy(proxy);

    QUrl url = service_;
    url.setPath(QLatin1String(UpdateRules::kPath));
    url.setQuery(UpdateRules::query(day_));
    url.setFragment(QString());
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Numerant"));
    // Never from https down to http, and never round in circles.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    emit dayStarted(day_);
    emit statusText(UpdateRules::loadingText());
    abortReason_.clear();
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::finished, this, &DrawUpdater::onFinished);
    // Signals may still come from a reply that has just been given up.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        if (reply != reply_)
            return;
        armIdleTimer();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits_.maxBodyBytes)
            abortWith(tooLargeText(limits_.maxBodyBytes));
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (reply != reply_)
            return;
        armIdleTimer();
        if (received > limits_.maxBodyBytes)
            abortWith(tooLargeText(limits_.maxBodyBytes));
    });
    armIdleTimer();
    totalTimer_->start(limits_.totalTimeoutMs);
}

void DrawUpdater::armIdleTimer()
{
    idleTimer_->start(limits_.idleTimeoutMs);
}

void DrawUpdater::abortWith(const QString& reason)
{
    if (!reply_ || !abortReason_.isEmpty())
        return;
    abortReason_ = reason;
    reply_->abort(); // finished() follows with the reason recorded
}

void DrawUpdater::onFinished()
{
    idleTimer_->stop();
    totalTimer_->stop();
    QNetworkReply* reply = reply_.data();
    if (!reply)
        return;
    reply_.clear();
    reply->deleteLater();

    if (!abortReason_.isEmpty()) {
        finish(abortReason_);
        return;
    }
    const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply->error();
    // Error answers of the server (404, 500, ...) come with their status and
    // are handled by status; failures below HTTP (no connection, a redirect
    // loop, a refused redirect) have only their error text.
    const bool httpAnswer = statusAttribute.isValid()
                            && (error == QNetworkReply::NoError
                                || error >= QNetworkReply::ContentAccessDenied);
    if (!httpAnswer) {
        finish(connectionFailedText(reply->errorString()));
        return;
    }

    const QByteArray body = reply->readAll();
    emit bodyReceived(body.size());
    const int status = statusAttribute.toInt();
    switch (UpdateRules::classify(status)) {
    case UpdateRules::Reply::NotYet:
        emit statusText(UpdateRules::notYetText(day_));
        break;
    case UpdateRules::Reply::Failed:
        emit statusText(UpdateRules::failedText(
            status, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        break;
    case UpdateRules::Reply::Nothing:
        break;
    case UpdateRules::Reply::Draws: {
        const DrawFile file(databasePath_);
        for (const QString& line : UpdateRules::bodyLines(body)) {
            const UpdateRules::ParsedLine parsed = UpdateRules::parseLine(line);
            if (!parsed.ok) {
                finish(parsed.problem);
                return;
            }
            const Draw record = UpdateRules::recordFor(parsed, day_);
            const QString problem = file.append({record});
            if (!problem.isEmpty()) {
                finish(storeFailedText(problem));
                return;
            }
            emit drawStored(record);
        }
        break;
    }
    }
    day_ = day_.addDays(1);
    if (running_)
        requestDay();
}

void DrawUpdater::finish(const QString& message)
{
    idleTimer_->stop();
    totalTimer_->stop();
    reply_.clear();
    if (!running_)
        return;
    running_ = false;
    emit finished(message, day_);
}
