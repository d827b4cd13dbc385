#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <QtEndian>
#include <limits>

#include <sys/stat.h>

namespace {

template <typename T>
SettingsValue<T> present(T value)
{
    return {SettingsValue<T>::State::Present, std::move(value)};
}

template <typename T>
SettingsValue<T> absent()
{
    return {SettingsValue<T>::State::Absent, T{}};
}

template <typename T>
SettingsValue<T> wrongType()
{
    return {SettingsValue<T>::State::WrongType, T{}};
}

bool fitsInt32(qlonglong value)
{
    return value >= std::numeric_limits<qint32>::min()
        && value <= std::numeric_limits<qint32>::max();
}

// The file format keeps no types: a number written earlier comes back as its
// text, while a value written in this run is still the original variant.
// Both forms must read the same.
SettingsValue<qint32> toInt32(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return present<qint32>(value.toInt());
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        return ok && fitsInt32(number) ? present<qint32>(qint32(number)) : wrongType<qint32>();
    }
    case QMetaType::QString: {
        bool ok = false;
        const qlonglong number = value.toString().trimmed().toLongLong(&ok);
        return ok && fitsInt32(number) ? present<qint32>(qint32(number)) : wrongType<qint32>();
    }
    default:
        return wrongType<qint32>();
    }
}

// "true"/"false" as older versions and other tools write booleans.
SettingsValue<bool> boolWord(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return present(value.toBool());
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return present(true);
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return present(false);
    }
    return wrongType<bool>();
}

// Where QSettings keeps the per-user store. Worked out here because QSettings
// reads its file as soon as it is made, before the file could be looked at.
QString perUserPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
         + QLatin1String(SettingsStore::Organisation) + QLatin1Char('/')
         + QLatin1String(SettingsStore::Application) + QStringLiteral(".conf");
}

// Absent is fine: the first save creates the file. Something that is there
// but is no regular file, also at the end of a link, is not.
bool presentButNotRegular(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return false; // absent, or unreachable: QSettings reports that itself
    if (S_ISREG(info.st_mode))
        return false;
    return ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode);
}

} // namespace

// The per-user store is opened by its file name, like an explicit one, so
// that no other file (the organisation-wide or system-wide fallbacks) is
// read unchecked; on Unix the format is the same.
SettingsStore::SettingsStore(const QString& filePath)
    : path_(filePath.isEmpty() ? perUserPath() : filePath), refused_(presentButNotRegular(path_))
{
    if (!refused_)
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

SettingsStore::SettingsStore(InMemory values) : memory_(std::move(values.values)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName() const
{
    return settings_ ? settings_->fileName() : path_;
}

bool SettingsStore::contains(const QString& name) const
{
    return settings_ ? settings_->contains(name) : memory_.contains(name);
}

QVariant SettingsStore::stored(const QString& name) const
{
    return settings_ ? settings_->value(name) : memory_.value(name);
}

void SettingsStore::store(const QString& name, const QVariant& value)
{
    if (settings_)
        settings_->setValue(name, value);
    else
        memory_.insert(name, value);
}

SettingsValue<qint32> SettingsStore::readInt(const QString& name) const
{
    const QVariant value = stored(name);
    if (!value.isValid())
        return absent<qint32>();
    return toInt32(value);
}

SettingsValue<bool> SettingsStore::readBool(const QString& name) const
{
    const QVariant value = stored(name);
    if (!value.isValid())
        return absent<bool>();
    const SettingsValue<qint32> word = toInt32(value);
    if (word.present())
        return present(word.value != 0);
    return boolWord(value);
}

SettingsValue<qint32> SettingsStore::readIntOrBool(const QString& name) const
{
    const SettingsValue<bool> asBool = readBool(name);
    if (!asBool.present())
        return {asBool.absent() ? SettingsValue<qint32>::State::Absent
                                : SettingsValue<qint32>::State::WrongType,
                0};
    const SettingsValue<qint32> asInt = readInt(name);
    if (asInt.present())
        return asInt;
    return present<qint32>(asBool.value ? 1 : 0);
}

SettingsValue<QString> SettingsStore::readString(const QString& name) const
{
    const QVariant value = stored(name);
    if (!value.isValid())
        return absent<QString>();
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        // What the file would hand back as text after a restart.
        return present(value.toString());
    default:
        return wrongType<QString>();
    }
}

SettingsValue<double> SettingsStore::readDate(const QString& name) const
{
    const QVariant value = stored(name);
    if (!value.isValid())
        return absent<double>();
    if (value.typeId() != QMetaType::QByteArray)
        return wrongType<double>();
    const QByteArray bytes = value.toByteArray();
    if (bytes.size() != int(sizeof(double)))
        return wrongType<double>();
    return present(qFromLittleEndian<double>(bytes.constData()));
}

void SettingsStore::writeInt(const QString& name, qint32 value)
{
    store(name, value);
}

void SettingsStore::writeBool(const QString& name, bool value)
{
    store(name, value ? 1 : 0);
}

void SettingsStore::writeString(const QString& name, const QString& value)
{
    store(name, value);
}

void SettingsStore::writeDate(const QString& name, double serial)
{
    QByteArray bytes(int(sizeof(double)), '\0');
    qToLittleEndian(serial, bytes.data());
    store(name, bytes);
}

bool SettingsStore::sync()
{
    if (!settings_)
        return !refused_;
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

template <typename T, typename Apply>
void SettingsGroup::take(const SettingsValue<T>& read, const Apply& apply)
{
    if (read.wrongType())
        ended_ = true;
    else if (read.present())
        apply(read.value);
}

void SettingsGroup::readInt(const QString& name, const std::function<void(qint32)>& apply)
{
    if (!ended_)
        take(store_.readInt(name), apply);
}

void SettingsGroup::readBool(const QString& name, const std::function<void(bool)>& apply)
{
    if (!ended_)
        take(store_.readBool(name), apply);
}

void SettingsGroup::readString(const QString& name,
                               const std::function<void(const QString&)>& apply)
{
    if (!ended_)
        take(store_.readString(name), apply);
}

void SettingsGroup::readDate(const QString& name, const std::function<void(double)>& apply)
{
    if (!ended_)
        take(store_.readDate(name), apply);
}

void SettingsGroup::readIntOrBool(const QString& name, const std::function<void(qint32)>& apply)
{
    if (!ended_)
        take(store_.readIntOrBool(name), apply);
}

void SettingsGroup::step(const std::function<void()>& action)
{
    if (!ended_)
        action();
}
