#include "app/TForm1.h"

#include "app/WindowSettings.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/InternetPage.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "generator/Random.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/SettingsTable.h"
#include "platform/UpDown.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QShowEvent>
#include <QTabWidget>


// Settings are control and field states, declared once in WindowSettings;
// the rules below run after they are read.

namespace {

const QDate kEarliestDate(1994, 11, 19);

// With neither weekday no draw would count at all.
void keepAWeekday(DatenbankPage& page)
{
    if (!page.saturdays() && !page.wednesdays()) {
        page.setSaturdays(true);
        page.setWednesdays(true);
    }
}

// A start date within the last week leaves next to no draws to count; an
// unreadable one starts from the earliest date too.
void resetRecentStartDate(QDateEdit& startDate, bool unreadable)
{
    if (unreadable || startDate.date() > QDate::currentDate().addDays(-7))
        startDate.setDate(kEarliestDate);
}

// Without a proxy host the port field shows the usual port.
void defaultProxyPort(const QLineEdit* host, QLineEdit* port)
{
    if (host && port && host->text().isEmpty())
        port->setText(QStringLiteral("80"));
}

QString databaseCopiedText(const QString& delivered, const QString& home)
{
    return UiText::line(TextLine::DatabaseCopied)
        .arg(QDir::toNativeSeparators(delivered), QDir::toNativeSeparators(home));
}

QString databaseNotCopiedText(const QString& delivered, const QString& home)
{
    return UiText::line(TextLine::DatabaseNotCopied)
        .arg(QDir::toNativeSeparators(delivered), QDir::toNativeSeparators(home));
}

} // namespace

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Queued, so the window is on screen before the online update blocks it.
    if (!startedUp_)
        QMetaObject::invokeMethod(this, &TForm1::FormShow, Qt::QueuedConnection);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (isBusy()) {
        // Stop first; the window closes, with the save sequence, once the
        // operation has ended.
        closeAfterActivity_ = true;
        requestStop();
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void TForm1::FormShow()
{
    if (startedUp_)
        return;
    startedUp_ = true;

    // One number and date format for every conversion, whatever the system says.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    scaledForHeight_ = height();
    const QSize design = size(); // nothing restored yet
    session_.windowEnd = DateSerial::today();
    SoundName = QStringLiteral("yippee.wav");
    session_.runLimit = 100000;
    session_.ratingOn = false;

    const SettingsStore store(services_.settingsFile);
    // Said once here; the shutdown then leaves the file alone without a word.
    if (!store.refusedFile().isEmpty())
        dialogs().showError(this, text(TextLine::SettingsNotAFile).arg(QDir::toNativeSeparators(store.refusedFile())));

    const WindowSettings settings = windowSettings(*this, design);
    QStringList unrestored = loadSettings(store, settings.beforeLanguage).unrestored;
    applyLanguage(Sprache);
    unrestored << loadSettings(store, settings.afterLanguage).unrestored;

    keepAWeekday(*datenbankPage());
    QDateEdit* startDate = PageControl1->findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"));
    if (startDate)
        resetRecentStartDate(*startDate, unrestored.contains(QStringLiteral("DateTimePicker2")));
    defaultProxyPort(PageControl1->findChild<QLineEdit*>(QStringLiteral("ProxyHostEdit")),
                     PageControl1->findChild<QLineEdit*>(QStringLiteral("ProxyPortEdit")));
    ticketAfterLoad();
    // From here on, editing a tip cell re-rates the board.
    session_.ratingOn = true;

    if (auto* runs = PageControl1->findChild<UpDown*>(QStringLiteral("UpDown7")))
        session_.runLimit = runs->position() * 1000;

    ZahlenFile = AppPaths::databaseName();
    adoptProgramDatabase();
    const DrawFile database(databasePath());
    if (!database.exists()) {
        const QString error = database.create();
        if (!error.isEmpty())
            dialogs().showError(this, error);
    }
    const auto now = quint64(QDateTime::currentMSecsSinceEpoch());
    Random::global().setSeed(quint32(now ^ (now >> 32)));
    if (startDate)
        session_.workingDate = DateSerial::fromDate(startDate->date());
    if (auto* endDate = PageControl1->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1")))
        endDate->setDate(QDate::currentDate());

    // Bring the database up to date, select the latest draw, draw the first chart.
    // A notice of the start-up itself (a copied database) outranks the note
    // that no draw service is set.
    const QString notice = statusPanel(0);
    offerShippedHistory();
    NumerantClick();
    if (!notice.isEmpty() && !isBusy() && internetPage()->serviceUrl().trimmed().isEmpty())
        setStatusPanel(0, notice);
    SpeedButton5Click();
    SpeedButton2Click();
}

void TForm1::adoptProgramDatabase()
{
    const QString own = databasePath();
    if (QFileInfo::exists(own))
        return;
    AppPaths paths;
    paths.programDir = ProgramDir;
    paths.home = Home;
    paths.executableDir = executableDir_;
    const QString delivered = paths.deliveredDatabase(ZahlenFile);
    if (delivered.isEmpty())
        return;
    // Copied under a temporary name and renamed, so an interrupted copy
    // never looks like a database.
    const QString partial = own + QStringLiteral("~");
    QFile::remove(partial);
    if (QFile::copy(delivered, partial) && QFile::rename(partial, own)) {
        // The copy keeps the read-only mode of an installed file.
        QFile::setPermissions(own, QFile::permissions(own) | QFile::WriteOwner | QFile::ReadOwner);
        setStatusPanel(0, [delivered, home = Home] { return databaseCopiedText(delivered, home); });
    } else {
        QFile::remove(partial);
        dialogs().showError(this, databaseNotCopiedText(delivered, Home));
    }
}

void TForm1::FormClose()
{
    // Closing before start-up restored anything would overwrite the stored
    // settings with design values.
    if (!startedUp_)
        return;

    SettingsStore store(services_.settingsFile);
    saveSettings(store, windowSettings(*this, size()).all());

    // Nothing to tell the user while the window goes away; a later start
    // simply finds the older values.
    store.sync();
}
