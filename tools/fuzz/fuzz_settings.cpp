// The settings values that start-up reads, stored with any content and any
// of the types a settings file or an earlier run can hand back. Each input
// line is "name=value"; the value's first two characters pick its type:
// "i:" int, "u:" unsigned, "L:" 64-bit, "b:" boolean, "d:" double, "x:"
// binary, "l:" a comma list (as a file gives "a, b"), anything else text.
#include "FuzzInput.h"

#include "draws/DateSerial.h"
#include "platform/SettingsStore.h"

#include <QDate>

using FuzzInput::check;

namespace {

QVariant typed(const QByteArray& text)
{
    const QByteArray rest = text.mid(2);
    if (text.startsWith("i:"))
        return rest.toInt();
    if (text.startsWith("u:"))
        return rest.toUInt();
    if (text.startsWith("L:"))
        return rest.toLongLong();
    if (text.startsWith("b:"))
        return rest == "1" || rest == "true";
    if (text.startsWith("d:"))
        return rest.toDouble();
    if (text.startsWith("x:"))
        return rest;
    if (text.startsWith("l:"))
        return QString::fromUtf8(rest).split(u',');
    return QString::fromUtf8(text);
}

QString numbered(const char* stem, int i)
{
    return QLatin1String(stem) + QString::number(i);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SettingsStore::InMemory values;
    for (const QByteArray& line : FuzzInput::bytes(data, size).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            values.values.insert(QString::fromUtf8(line.left(equals)), typed(line.mid(equals + 1)));
    }
    const SettingsStore store(std::move(values));

    // The groups and types of the start-up sequence.
    SettingsGroup first(store);
    for (int i = 1; i <= 35; ++i)
        if (i != 21)
            first.readBool(numbered("Chekcbox", i), [](bool) {});
    for (const char* name : {"Spiel77Ja", "Super6Ja", "GlueckJa", "Land", "height", "width", "TippTop", "TippLeft"})
        first.readInt(QLatin1String(name), [](qint32) {});
    first.readIntOrBool(QStringLiteral("NeuerSchein"), [](qint32) {});
    for (const char* name : {"RadioGroup1", "RadioGroup2"})
        store.readInt(QLatin1String(name));

    SettingsGroup second(store);
    second.readInt(QStringLiteral("Sprache"), [](qint32) {});
    for (int i = 1; i <= 21; ++i)
        second.readInt(numbered("UpDown", i), [](qint32) {});
    for (int i = 1; i <= 79; ++i)
        second.readString(numbered("Edit", i), [](const QString&) {});
    store.readString(QStringLiteral("Losnummer"));
    for (const char* name : {"ZWEIPREIS", "EINPREIS", "URLEdit", "ProxyHostEdit", "ProxyPortEdit"})
        store.readString(QLatin1String(name));
    store.readBool(QStringLiteral("Browser"));

    const SettingsValue<double> date = store.readDate(QStringLiteral("DateTimePicker2"));
    if (date.present()) {
        const QDate day = DateSerial::toDate(date.value);
        check(!day.isValid() || DateSerial::weekday(day) >= 1);
        DateSerial::weekday(date.value);
    }

    // A boolean read agrees with the integer read of the same value.
    const SettingsValue<qint32> asInt = store.readInt(QStringLiteral("height"));
    const SettingsValue<bool> asBool = store.readBool(QStringLiteral("height"));
    if (asInt.present())
        check(asBool.present() && asBool.value == (asInt.value != 0));
    return 0;
}
