#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

class SettingsStore;

// How a setting is stored, and so how it is read back.
enum class SettingType {
    Bool,      // 0/1
    Int,       // 32-bit
    IntOrBool, // an integer that older versions stored as "true"/"false"
    Text,
    Date, // date-time serial, 8 bytes of binary
};

// One stored setting, declared once: its stored name and type, its default,
// the error guard it is read under, and the owner it belongs to (a control or
// a field, reached through `get` and `set`). Both loading and saving work
// from a list of these, so a setting cannot be read under one name and
// written under another.
struct Setting {
    QString key;
    SettingType type = SettingType::Int;
    // Given to the owner before its stored value is read (only while its
    // guard is still open). Invalid: the owner keeps its design value. For a
    // setting without an owner: what the first save writes.
    QVariant fallback;
    // Consecutive settings with the same guard are read inside one error
    // guard: the first stored value of the wrong type ends it, and the rest of
    // that guard keep what they had. A guard of its own means a wrong type
    // costs only that one setting.
    int guard = 0;
    // The owner's value as it is saved (bool, qint32, QString or a double
    // serial). Null: the window has no owner for this value; the stored one
    // is carried along as it is.
    std::function<QVariant()> get;
    // Applies a value read back; false when the owner cannot take it.
    std::function<bool(const QVariant&)> set;
};

// What a load left undone: the settings whose stored value was of the wrong
// type, refused by the owner, or not read because their guard had ended.
struct SettingsLoad {
    QStringList unrestored;
};

SettingsLoad loadSettings(const SettingsStore& store, const std::vector<Setting>& settings);
void saveSettings(SettingsStore& store, const std::vector<Setting>& settings);
