#include "app/WindowSettings.h"

#include "app/TForm1.h"

#include "draws/DateSerial.h"
#include "platform/RadioGroup.h"
#include "platform/UpDown.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace {

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

// Appends declarations in reading order. Controls are looked up below the
// page control only: the dialogs reuse names such as `UpDown1`, `Edit1` and
// `DateTimePicker1`. A control that is missing is left out, so one absent
// widget never costs the user the rest of the settings.
class Declarations {
public:
    Declarations(QWidget* controls, std::vector<Setting>& into) : controls_(controls), into_(into) {}

    // The declarations after this share one error guard.
    void guard() { ++nextGuard_; }
    // The next declaration alone in its guard.
    Declarations& alone()
    {
        guard();
        aloneOnce_ = true;
        return *this;
    }

    void checkBox(const QString& key, const QString& name)
    {
        if (auto* box = find<QCheckBox>(name))
            add(key, SettingType::Bool, {}, [box] { return QVariant(box->isChecked()); },
                [box](const QVariant& v) { box->setChecked(v.toBool()); return true; });
    }
    void upDown(const QString& key, const QString& name)
    {
        if (auto* spin = find<UpDown>(name))
            add(key, SettingType::Int, {}, [spin] { return QVariant(spin->position()); },
                [spin](const QVariant& v) { spin->setPosition(v.toInt()); return true; });
    }
    void lineEdit(const QString& key, const QString& name)
    {
        if (auto* edit = find<QLineEdit>(name))
            add(key, SettingType::Text, {}, [edit] { return QVariant(edit->text()); },
                [edit](const QVariant& v) { edit->setText(v.toString()); return true; });
    }
    // An item that does not exist is ignored.
    void radioGroup(const QString& key, const QString& name)
    {
        if (auto* group = find<RadioGroup>(name))
            add(key, SettingType::Int, {}, [group] { return QVariant(group->itemIndex()); },
                [group](const QVariant& v) { group->setItemIndex(v.toInt()); return true; });
    }
    // A serial that is no date is refused.
    void dateEdit(const QString& key, const QString& name)
    {
        if (auto* edit = find<QDateEdit>(name))
            add(key, SettingType::Date, {},
                [edit] { return QVariant(DateSerial::fromDate(edit->date())); },
                [edit](const QVariant& v) {
                    const QDate date = DateSerial::toDate(v.toDouble());
                    if (date.isValid())
                        edit->setDate(date);
                    return date.isValid();
                });
    }
    void field(const QString& key, SettingType type, qint32& value, const QVariant& fallback = {})
    {
        add(key, type, fallback, [&value] { return QVariant(value); },
            [&value](const QVariant& v) { value = v.toInt(); return true; });
    }
    void field(const QString& key, QString& value)
    {
        add(key, SettingType::Text, {}, [&value] { return QVariant(value); },
            [&value](const QVariant& v) { value = v.toString(); return true; });
    }
    // A value without a control in this window: carried as stored, written
    // as 0 by a first save.
    void carried(const QString& key, SettingType type) { add(key, type, 0, nullptr, nullptr); }
    void custom(const QString& key, SettingType type, std::function<QVariant()> get,
                std::function<bool(const QVariant&)> set)
    {
        add(key, type, {}, std::move(get), std::move(set));
    }

private:
    template <typename T>
    T* find(const QString& name) const
    {
        return controls_->findChild<T*>(name);
    }
    void add(const QString& key, SettingType type, const QVariant& fallback,
             std::function<QVariant()> get, std::function<bool(const QVariant&)> set)
    {
        into_.push_back({key, type, fallback, nextGuard_, std::move(get), std::move(set)});
        if (aloneOnce_) {
            aloneOnce_ = false;
            guard();
        }
    }

    QWidget* controls_;
    std::vector<Setting>& into_;
    int nextGuard_ = 0;
    bool aloneOnce_ = false;
};

QString numbered(const char* prefix, int number)
{
    return QLatin1String(prefix) + QString::number(number);
}

} // namespace

std::vector<Setting> WindowSettings::all() const
{
    std::vector<Setting> settings = beforeLanguage;
    settings.insert(settings.end(), afterLanguage.begin(), afterLanguage.end());
    return settings;
}

WindowSettings windowSettings(TForm1& window, const QSize& design)
{
    WindowSettings settings;
    QWidget* controls = window.PageControl1;
    Declarations before(controls, settings.beforeLanguage);

    before.guard();
    for (int i = 1; i <= 35; ++i) {
        // The stored names carry this spelling; existing settings depend on it.
        const QString key = QStringLiteral("Chekcbox%1").arg(i);
        if (i == 21)
            continue; // stored as "Browser"
        if (i == 33)
            before.carried(key, SettingType::Bool);
        else
            before.checkBox(key, numbered("CheckBox", i));
    }
    before.field(QStringLiteral("Spiel77Ja"), SettingType::Int, window.session().ticket.spiel77);
    before.field(QStringLiteral("Super6Ja"), SettingType::Int, window.session().ticket.super6);
    before.field(QStringLiteral("GlueckJa"), SettingType::Int, window.session().ticket.gluecksSpirale);
    before.field(QStringLiteral("Land"), SettingType::Int, window.Land, 1);
    before.field(QStringLiteral("NeuerSchein"), SettingType::IntOrBool, window.session().ticket.newTicket);
    // A size of zero or less would leave no window to work with.
    before.custom(
        QStringLiteral("height"), SettingType::Int, [&window] { return QVariant(window.height()); },
        [&window, design](const QVariant& v) {
            if (v.toInt() > 0)
                window.resize(window.width(), fittedExtent(v.toInt(), availableSize(window, design).height(),
                                                           design.height()));
            return true;
        });
    before.custom(
        QStringLiteral("width"), SettingType::Int, [&window] { return QVariant(window.width()); },
        [&window, design](const QVariant& v) {
            if (v.toInt() > 0)
                window.resize(fittedExtent(v.toInt(), availableSize(window, design).width(), design.width()),
                              window.height());
            return true;
        });
    before.field(QStringLiteral("TippTop"), SettingType::Int, window.TippTop, 39);
    before.field(QStringLiteral("TippLeft"), SettingType::Int, window.TippLeft, 47);

    // A wrong type costs only the one group.
    before.alone().radioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("RadioGroup1"));
    before.alone().radioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("RadioGroup2"));

    before.guard();
    // Numbers without a language file leave the current texts alone.
    before.field(QStringLiteral("Sprache"), SettingType::Int, window.Sprache, 0);
    for (int i = 1; i <= 21; ++i) {
        if (i == 19)
            before.carried(numbered("UpDown", i), SettingType::Int);
        else
            before.upDown(numbered("UpDown", i), numbered("UpDown", i));
    }
    // The 72 cells of the tip board; the numbers in between belong to spin fields.
    for (int i = 1; i <= 79; ++i)
        if (i <= 36 || (i >= 43 && i <= 54) || i >= 56)
            before.lineEdit(numbered("Edit", i), numbered("Edit", i));

    Declarations after(controls, settings.afterLanguage);
    // A wrong type leaves the ticket number empty.
    after.alone().field(QStringLiteral("Losnummer"), window.session().ticket.number);
    after.guard();
    after.lineEdit(QStringLiteral("ZWEIPREIS"), QStringLiteral("Edit81"));
    after.lineEdit(QStringLiteral("EINPREIS"), QStringLiteral("Edit82"));
    after.guard();
    after.checkBox(QStringLiteral("Browser"), QStringLiteral("CheckBox21"));
    after.guard();
    after.lineEdit(QStringLiteral("URLEdit"), QStringLiteral("URLEdit"));
    after.lineEdit(QStringLiteral("ProxyHostEdit"), QStringLiteral("ProxyHostEdit"));
    after.lineEdit(QStringLiteral("ProxyPortEdit"), QStringLiteral("ProxyPortEdit"));
    after.guard();
    after.lineEdit(QStringLiteral("ServiceUrlEdit"), QStringLiteral("ServiceUrlEdit"));
    after.guard();
    after.dateEdit(QStringLiteral("DateTimePicker2"), QStringLiteral("DateTimePicker2"));

    // The ticket's run, added after everything older versions stored: an
    // older file lacks them and gets the defaults (the draw days are chosen
    // after the load, see `ticketAfterLoad`).
    Ticket& ticket = window.session().ticket;
    after.alone().field(QStringLiteral("ScheinTage"), SettingType::Int, ticket.days, 0);
    after.alone().field(QStringLiteral("ScheinWochen"), SettingType::Int, ticket.weeks, 1);
    after.alone().custom(
        QStringLiteral("ScheinAb"), SettingType::Date, [&ticket] { return QVariant(ticket.firstDate); },
        [&ticket](const QVariant& v) {
            const bool date = DateSerial::toDate(v.toDouble()).isValid();
            if (date)
                ticket.firstDate = v.toDouble();
            return date;
        });
    return settings;
}
