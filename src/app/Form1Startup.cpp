#include "app/TForm1.h"

#include "app/pages/InternetPage.h"
#include "text/MessageLines.h"
#include "text/UiText.h"

#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "generator/Random.h"
#include "platform/Dialogs.h"
#include "platform/RadioGroup.h"
#include "platform/SettingsStore.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

#include <algorithm>

// Settings are control states, stored and restored by control name. A control
// that is missing is skipped rather than treated as an error, so one absent
// widget never costs the user the rest of the settings. Names are looked up
// below the page control only: the dialogs reuse names such as `UpDown1`,
// `Edit1` and `DateTimePicker1` for their own controls.

namespace {

const QDate kEarliestDate(1994, 11, 19);
constexpr int kLineSettingsNotAFile = 80; // the settings file's path

// The window scales its fonts with its height, so a stored size far beyond
// the screen would ask for glyph images too large to paint, and because the
// size is saved at close it would do so at every start. A stored extent that
// fits the screen (or the design size, on a screen smaller than that) is kept.
int fittedExtent(qint32 stored, int available, int design)
{
    return std::min<qint32>(stored, std::max(available, design));
}

QSize availableSize(const QWidget& window, const QSize& design)
{
    const QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableSize() : design;
}

QList<int> checkBoxNumbers()
{
    QList<int> numbers;
    for (int i = 1; i <= 35; ++i)
        if (i != 21) // CheckBox21 is stored as "Browser"
            numbers << i;
    return numbers;
}

// The 72 cells of the tip board; the numbers in between belong to spin fields.
QList<int> tipCellNumbers()
{
    QList<int> numbers;
    for (int i = 1; i <= 36; ++i)
        numbers << i;
    for (int i = 43; i <= 54; ++i)
        numbers << i;
    for (int i = 56; i <= 79; ++i)
        numbers << i;
    return numbers;
}

QString checkBoxValueName(int number)
{
    // The stored names carry this spelling; existing settings depend on it.
    return QStringLiteral("Chekcbox%1").arg(number);
}

QString numbered(const char* prefix, int number)
{
    return QLatin1String(prefix) + QString::number(number);
}

// Fee fields and the hidden address field, in the order they are read.
struct TextValue {
    const char* valueName;
    const char* controlName;
};
constexpr TextValue kFeeFields[] = {{"ZWEIPREIS", "Edit81"}, {"EINPREIS", "Edit82"}};
constexpr TextValue kConnectionFields[] = {
    {"URLEdit", "URLEdit"}, {"ProxyHostEdit", "ProxyHostEdit"}, {"ProxyPortEdit", "ProxyPortEdit"}};

QString databaseCopiedText(const QString& delivered, const QString& home)
{
    return UiText::line(MessageLine::DatabaseCopied)
        .arg(QDir::toNativeSeparators(delivered), QDir::toNativeSeparators(home));
}

QString databaseNotCopiedText(const QString& delivered, const QString& home)
{
    return UiText::line(MessageLine::DatabaseNotCopied)
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

    Groesse = height();
    const QSize design = size(); // nothing restored yet
    dfb = DateSerial::today();
    SoundName = QStringLiteral("yippee.wav");
    LaufMax = 100000;
    sortieren = false;

    const SettingsStore store(services_.settingsFile);
    // Said once here; the shutdown then leaves the file alone without a word.
    if (!store.refusedFile().isEmpty())
        dialogs().showError(this, text(kLineSettingsNotAFile).arg(QDir::toNativeSeparators(store.refusedFile())));

    auto checkBox = [this](const QString& name) {
        return PageControl1->findChild<QCheckBox*>(name);
    };
    auto lineEdit = [this](const QString& name) {
        return PageControl1->findChild<QLineEdit*>(name);
    };
    auto setChecked = [checkBox](const QString& name) {
        return [box = checkBox(name)](bool on) {
            if (box)
                box->setChecked(on);
        };
    };
    auto setText = [lineEdit](const QString& name) {
        return [edit = lineEdit(name)](const QString& text) {
            if (edit)
                edit->setText(text);
        };
    };
    auto intoField = [](qint32& field) { return [&field](qint32 value) { field = value; }; };

    // Each braced group below is one error guard (see SettingsGroup).
    {
        SettingsGroup group(store);
        for (int i : checkBoxNumbers()) {
            if (i == 18) {
                group.step([&] {
                    QCheckBox* saturday = checkBox(QStringLiteral("CheckBox16"));
                    QCheckBox* wednesday = checkBox(QStringLiteral("CheckBox17"));
                    // With neither weekday no draw would count at all.
                    if (saturday && wednesday && !saturday->isChecked()
                        && !wednesday->isChecked()) {
                        saturday->setChecked(true);
                        wednesday->setChecked(true);
                    }
                });
            }
            group.readBool(checkBoxValueName(i), setChecked(numbered("CheckBox", i)));
        }
        group.readInt(QStringLiteral("Spiel77Ja"), intoField(SPiel77Ja));
        group.readInt(QStringLiteral("Super6Ja"), intoField(Super6Ja));
        group.readInt(QStringLiteral("GlueckJa"), intoField(GlueckJa));
        group.step([&] { Land = 1; });
        group.readInt(QStringLiteral("Land"), intoField(Land));
        group.readIntOrBool(QStringLiteral("NeuerSchein"), intoField(neuerSchein));
        // A size of zero or less would leave no window to work with.
        group.readInt(QStringLiteral("height"), [&](qint32 h) {
            if (h > 0)
                resize(width(), fittedExtent(h, availableSize(*this, design).height(), design.height()));
        });
        group.readInt(QStringLiteral("width"), [&](qint32 w) {
            if (w > 0)
                resize(fittedExtent(w, availableSize(*this, design).width(), design.width()), height());
        });
        group.step([&] {
            TippTop = 39;
            TippLeft = 47;
        });
        group.readInt(QStringLiteral("TippTop"), intoField(TippTop));
        group.readInt(QStringLiteral("TippLeft"), intoField(TippLeft));
    }

    // Outside any guard: a wrong type keeps the design item.
    for (const char* name : {"RadioGroup1", "RadioGroup2"}) {
        const auto read = store.readInt(QLatin1String(name));
        auto* group = PageControl1->findChild<RadioGroup*>(QLatin1String(name));
        if (group && read.present())
            group->setItemIndex(read.value); // an item that does not exist is ignored
    }

    {
        SettingsGroup group(store);
        group.step([&] { Sprache = 0; });
        group.readInt(QStringLiteral("Sprache"), intoField(Sprache));
        for (int i = 1; i <= 21; ++i) {
            const QString name = numbered("UpDown", i);
            group.readInt(name, [spin = PageControl1->findChild<UpDown*>(name)](qint32 position) {
                if (spin)
                    spin->setPosition(position);
            });
        }
        for (int i : tipCellNumbers())
            group.readString(numbered("Edit", i), setText(numbered("Edit", i)));
    }

    // Numbers without a language file leave the current texts alone.
    applyLanguage(Sprache);

    // Outside any guard: a wrong type leaves the ticket number empty.
    if (const auto read = store.readString(QStringLiteral("Losnummer")); read.present())
        LosNr = read.value;

    {
        SettingsGroup group(store);
        for (const TextValue& field : kFeeFields)
            group.readString(QLatin1String(field.valueName),
                             setText(QLatin1String(field.controlName)));
    }
    {
        SettingsGroup group(store);
        group.readBool(QStringLiteral("Browser"), setChecked(QStringLiteral("CheckBox21")));
    }

    // From here on, editing a tip cell re-rates the board.
    sortieren = true;

    {
        SettingsGroup group(store);
        for (const TextValue& field : kConnectionFields)
            group.readString(QLatin1String(field.valueName),
                             setText(QLatin1String(field.controlName)));
    }

    {
        SettingsGroup group(store);
        group.readString(QStringLiteral("ServiceUrlEdit"), setText(QStringLiteral("ServiceUrlEdit")));
    }

    QDateEdit* startDate = PageControl1->findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"));
    if (startDate) {
        SettingsGroup group(store);
        bool readable = true;
        group.readDate(QStringLiteral("DateTimePicker2"), [&](double serial) {
            const QDate date = DateSerial::toDate(serial);
            readable = date.isValid();
            if (readable)
                startDate->setDate(date);
        });
        if (group.ended() || !readable)
            startDate->setDate(kEarliestDate);
        // A start date within the last week leaves next to no draws to count.
        if (startDate->date() > QDate::currentDate().addDays(-7))
            startDate->setDate(kEarliestDate);
    }

    if (auto* runs = PageControl1->findChild<UpDown*>(QStringLiteral("UpDown7")))
        LaufMax = runs->position() * 1000;
    QLineEdit* proxyHost = lineEdit(QStringLiteral("ProxyHostEdit"));
    QLineEdit* proxyPort = lineEdit(QStringLiteral("ProxyPortEdit"));
    if (proxyHost && proxyPort && proxyHost->text().isEmpty())
        proxyPort->setText(QStringLiteral("80"));

    ZahlenFile = QStringLiteral("ZahlenOB.dat");
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
        aktDatum = DateSerial::fromDate(startDate->date());
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
    QString delivered;
    for (const QString& folder : {executableDir_, ProgramDir}) {
        if (!folder.isEmpty() && QDir(folder) != QDir(Home)
            && QFileInfo(folder + ZahlenFile).isReadable()) {
            delivered = folder + ZahlenFile;
            break;
        }
    }
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
    // A few numbers of the stored families (CheckBox33, UpDown19) have no
    // control in this window: their stored value is kept as it is, and a
    // first save writes 0 so every value of the list exists.
    auto keepOrZero = [&](const QString& valueName) {
        if (!store.contains(valueName))
            store.writeInt(valueName, 0);
    };
    auto writeChecked = [&](const QString& valueName, const QString& controlName) {
        if (auto* box = PageControl1->findChild<QCheckBox*>(controlName))
            store.writeBool(valueName, box->isChecked());
        else
            keepOrZero(valueName);
    };
    auto writeText = [&](const QString& valueName, const QString& controlName) {
        if (auto* edit = PageControl1->findChild<QLineEdit*>(controlName))
            store.writeString(valueName, edit->text());
    };

    store.writeInt(QStringLiteral("NeuerSchein"), neuerSchein);
    store.writeString(QStringLiteral("Losnummer"), LosNr);
    for (int i : checkBoxNumbers())
        writeChecked(checkBoxValueName(i), numbered("CheckBox", i));
    store.writeInt(QStringLiteral("height"), height());
    store.writeInt(QStringLiteral("width"), width());
    store.writeInt(QStringLiteral("Sprache"), Sprache);
    store.writeInt(QStringLiteral("TippTop"), TippTop);
    store.writeInt(QStringLiteral("TippLeft"), TippLeft);
    for (const char* name : {"RadioGroup1", "RadioGroup2"})
        if (auto* group = PageControl1->findChild<RadioGroup*>(QLatin1String(name)))
            store.writeInt(QLatin1String(name), group->itemIndex());
    for (int i = 1; i <= 21; ++i) {
        if (auto* spin = PageControl1->findChild<UpDown*>(numbered("UpDown", i)))
            store.writeInt(numbered("UpDown", i), spin->position());
        else
            keepOrZero(numbered("UpDown", i));
    }
    for (int i : tipCellNumbers())
        writeText(numbered("Edit", i), numbered("Edit", i));
    for (const TextValue& field : kFeeFields)
        writeText(QLatin1String(field.valueName), QLatin1String(field.controlName));
    writeChecked(QStringLiteral("Browser"), QStringLiteral("CheckBox21"));
    for (const TextValue& field : kConnectionFields)
        writeText(QLatin1String(field.valueName), QLatin1String(field.controlName));
    if (auto* startDate = PageControl1->findChild<QDateEdit*>(QStringLiteral("DateTimePicker2")))
        store.writeDate(QStringLiteral("DateTimePicker2"), DateSerial::fromDate(startDate->date()));
    store.writeInt(QStringLiteral("Land"), Land);
    store.writeInt(QStringLiteral("Spiel77Ja"), SPiel77Ja);
    store.writeInt(QStringLiteral("Super6Ja"), Super6Ja);
    store.writeInt(QStringLiteral("GlueckJa"), GlueckJa);
    writeText(QStringLiteral("ServiceUrlEdit"), QStringLiteral("ServiceUrlEdit"));

    // Nothing to tell the user while the window goes away; a later start
    // simply finds the older values.
    store.sync();
}
