#include "app/TForm1.h"

#include "app/pages/DatenbankPage.h"
#include "app/pages/InternetPage.h"
#include "app/pages/LottotippPage.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawText.h"
#include "draws/UpdateRules.h"
#include "platform/Dialogs.h"
#include "text/TextLine.h"
#include "text/UiText.h"
#include "update/DrawUpdater.h"

#include <QDateEdit>
#include <QNetworkProxy>
#include <QToolButton>
#include <QUrl>

namespace {


// The update's own messages.
QString badServiceText(const QString& address)
{
    return UiText::line(TextLine::BadServiceAddress).arg(address);
}
QString badProxyPortText(const QString& port)
{
    return UiText::line(TextLine::BadProxyPort).arg(port);
}

// The configured service, or an invalid URL when the address is unusable.
QUrl serviceAddress(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return {};
    return url;
}

} // namespace

void TForm1::Aktualisieren1Click()
{
    NumerantClick();
}

void TForm1::SpeedButton8Click()
{
    datenbankPage()->setStopButtonShown(false);
    if (activity() == Activity::Updating)
        requestStop();
}

void TForm1::NumerantClick()
{
    if (refuseWhileBusy())
        return;

    const QString address = internetPage()->serviceUrl().trimmed();
    if (address.isEmpty()) {
        // Nothing to ask: the database stays as it is, quietly, even at start-up.
        setStatusPanel(0, [this] { return text(TextLine::NoService); });
        endUpdate(QString(), QDate());
        return;
    }
    const QUrl service = serviceAddress(address);
    if (!service.isValid()) {
        dialogs().showMessage(this, badServiceText(address));
        return;
    }

    const DrawFile file(databasePath());
    if (!file.exists()) {
        const QString error = file.create();
        if (!error.isEmpty()) {
            dialogs().showMessage(this, error);
            return;
        }
    }
    std::optional<Draw> last;
    const QString error = file.scan([&last](const Draw& draw, qint64) {
        last = draw;
        return true;
    });
    if (!error.isEmpty()) {
        dialogs().showMessage(this, error);
        return;
    }

    const QDate first = UpdateRules::firstDay(last, datenbankPage()->endDate());
    session_.workingDate = DateSerial::fromDate(first);
    const QDate today = QDate::currentDate();
    if (first > today) {
        endUpdate(QString(), first);
        return;
    }

    if (!updater_) {
        updater_ = new DrawUpdater(this);
        connect(updater_, &DrawUpdater::dayApplied, this, [this](const QDate& day) {
            // The picker follows the day applied last, as far as its range allows.
            datenbankPage()->setEndDate(day);
        });
        connect(updater_, &DrawUpdater::statusText, this,
                [this](const QString& text) { setStatusPanel(0, text); });
        connect(updater_, &DrawUpdater::bodyReceived, this, [this](qint64 bytes) {
            setStatusPanel(0, [bytes] { return UpdateRules::receivedText(bytes); });
            setStatusPanel(1, [] { return UpdateRules::accuracyNote(); });
        });
        connect(updater_, &DrawUpdater::drawStored, this, [this](const Draw& draw) {
            session_.drawDate = draw.datum;
            shownDraw_ = draw;
            shownFirstRecord_ = true;
            showDrawLine();
            session_.workingDate = draw.datum;
        });
        connect(updater_, &DrawUpdater::finished, this,
                [this](const QString& message, const QDate& nextDay, int added) {
                    // What the last day said stays beside the count.
                    const QString last = statusPanel(0);
                    endUpdate(message, nextDay);
                    QString status = text(TextLine::DrawsAdded).arg(added);
                    if (!last.isEmpty() && last != UpdateRules::loadingText())
                        status += QStringLiteral(" – ") + last;
                    setStatusPanel(0, status);
                });
    }
    DrawUpdater::Limits limits;
    limits.idleTimeoutMs = updateIdleTimeoutMs;
    limits.totalTimeoutMs = updateTotalTimeoutMs;
    updater_->setLimits(limits);

    beginActivity(Activity::Updating, [this] { updater_->stop(); });
    datenbankPage()->setUpdateEnabled(false);
    lottotippPage()->setUpdateEnabled(false);
    datenbankPage()->setStopButtonShown(true);
    updater_->start(service, databasePath(), first, today, [this](QNetworkProxy& proxy) {
        const QString host = internetPage()->proxyHost().trimmed();
        if (host.isEmpty())
            return QString(); // no proxy
        const QString portText = internetPage()->proxyPort().trimmed();
        bool ok = false;
        const uint port = portText.toUInt(&ok, 10);
        if (!ok || port == 0 || port > 65535)
            return badProxyPortText(internetPage()->proxyPort());
        proxy = QNetworkProxy(QNetworkProxy::HttpProxy, host, quint16(port));
        return QString();
    });
}

void TForm1::endUpdate(const QString& message, const QDate& nextDay)
{
    if (!message.isEmpty())
        dialogs().showMessage(this, message);
    if (activity() == Activity::Updating)
        endActivity();
    datenbankPage()->setUpdateEnabled(true);
    lottotippPage()->setUpdateEnabled(true);
    datenbankPage()->setStopButtonShown(false);
    lottotippPage()->setDrawLine(datenbankPage()->drawLine());
    // The chosen date now lies after the last stored draw, so the rating
    // makes the latest draw current; a day before the picker's range would
    // pick an old draw instead.
    if (nextDay.isValid()) {
        const QDateEdit* picker = datenbankPage()->endDatePicker();
        datenbankPage()->setEndDate(nextDay < picker->minimumDate() ? QDate::currentDate() : nextDay);
    }
    SpeedButton5Click();
}
