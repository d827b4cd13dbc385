#include "platform/SettingsTable.h"

#include "platform/SettingsStore.h"

namespace {

// The stored value as the type it was declared with; an empty variant when
// absent, `wrongType` set when present but not of that type.
template <typename T>
QVariant asVariant(const SettingsValue<T>& read, bool& wrongType)
{
    wrongType = read.wrongType();
    return read.present() ? QVariant::fromValue(read.value) : QVariant();
}

QVariant readStored(const SettingsStore& store, const Setting& setting, bool& wrongType)
{
    switch (setting.type) {
    case SettingType::Bool: return asVariant(store.readBool(setting.key), wrongType);
    case SettingType::Int: return asVariant(store.readInt(setting.key), wrongType);
    case SettingType::IntOrBool: return asVariant(store.readIntOrBool(setting.key), wrongType);
    case SettingType::Text: return asVariant(store.readString(setting.key), wrongType);
    case SettingType::Date: return asVariant(store.readDate(setting.key), wrongType);
    }
    return {};
}

void writeStored(SettingsStore& store, const Setting& setting, const QVariant& value)
{
    switch (setting.type) {
    case SettingType::Bool: store.writeBool(setting.key, value.toBool()); break;
    case SettingType::Int:
    case SettingType::IntOrBool: store.writeInt(setting.key, value.toInt()); break;
    case SettingType::Text: store.writeString(setting.key, value.toString()); break;
    case SettingType::Date: store.writeDate(setting.key, value.toDouble()); break;
    }
}

} // namespace

SettingsLoad loadSettings(const SettingsStore& store, const std::vector<Setting>& settings)
{
    SettingsLoad load;
    bool ended = false;
    for (size_t i = 0; i < settings.size(); ++i) {
        const Setting& setting = settings[i];
        if (i == 0 || settings[i - 1].guard != setting.guard)
            ended = false;
        if (ended) {
            load.unrestored << setting.key;
            continue;
        }
        if (setting.set && setting.fallback.isValid())
            setting.set(setting.fallback);
        // Read even without an owner: a carried value of the wrong type ends
        // its guard like any other.
        bool wrongType = false;
        const QVariant value = readStored(store, setting, wrongType);
        if (wrongType) {
            ended = true;
            load.unrestored << setting.key;
        } else if (value.isValid() && setting.set && !setting.set(value)) {
            load.unrestored << setting.key;
        }
    }
    return load;
}

void saveSettings(SettingsStore& store, const std::vector<Setting>& settings)
{
    for (const Setting& setting : settings) {
        if (setting.get)
            writeStored(store, setting, setting.get());
        else if (!store.contains(setting.key))
            writeStored(store, setting, setting.fallback);
    }
}
