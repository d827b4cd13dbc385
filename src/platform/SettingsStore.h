#pragma once

#include <QString>
#include <QVariantMap>
#include <QtGlobal>
#include <functional>
#include <memory>

class QSettings;

// One stored value as read back: present with its value, absent, or present
// but not of the type asked for (a text where a number belongs, binary of the
// wrong length). Absent and wrong-typed are kept apart because start-up treats
// them differently.
template <typename T>
struct SettingsValue {
    enum class State { Present, Absent, WrongType };
    State state = State::Absent;
    T value{};

    bool present() const { return state == State::Present; }
    bool absent() const { return state == State::Absent; }
    bool wrongType() const { return state == State::WrongType; }
};

// The per-user settings: one flat list of named, typed values. Integers are
// 32-bit, booleans are written as 0/1 and read as "non-zero", dates are 8 bytes
// of binary holding the date-time serial (little-endian double).
//
// Backed by QSettings under organisation "Vellhorn", application "Orbisa"
// (on Linux ~/.config/Vellhorn/Orbisa.conf), or by an explicit file so tests
// never touch the user's own settings. Nothing here throws; a file that
// cannot be written is reported by sync().
//
// Only a regular file, or a link to one, is read or written. Anything else
// at that path (a pipe, a device, a folder, a dangling link) is left alone:
// opening a pipe would block for good, and saving over a device would
// replace it. The store then starts empty, keeps its values in memory only
// and says so through refusedFile().
class SettingsStore {
public:
    static constexpr const char* Organisation = "Vellhorn";
    static constexpr const char* Application = "Orbisa";

    // An empty path selects the per-user store.
    explicit SettingsStore(const QString& filePath = QString());
    // Values held in memory only, typed as the file would hand them back;
    // for checking the readers against arbitrary stored values.
    struct InMemory {
        QVariantMap values;
    };
    explicit SettingsStore(InMemory values);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString fileName() const;
    // The settings file when it is there but is not a regular file, so it
    // was neither read nor will be written; empty otherwise.
    QString refusedFile() const { return refused_ ? path_ : QString(); }
    bool contains(const QString& name) const;

    SettingsValue<qint32> readInt(const QString& name) const;
    SettingsValue<bool> readBool(const QString& name) const;
    SettingsValue<QString> readString(const QString& name) const;
    SettingsValue<double> readDate(const QString& name) const;
    // An integer that older versions stored as a boolean ("true"/"false").
    SettingsValue<qint32> readIntOrBool(const QString& name) const;

    void writeInt(const QString& name, qint32 value);
    void writeBool(const QString& name, bool value);
    void writeString(const QString& name, const QString& value);
    void writeDate(const QString& name, double serial);

    // Writes pending values to disk; false when the file could not be written.
    bool sync();

private:
    QVariant stored(const QString& name) const;
    void store(const QString& name, const QVariant& value);

    QString path_;
    bool refused_ = false;
    std::unique_ptr<QSettings> settings_; // null for a store in memory
    QVariantMap memory_;
};

// Reads one group of values inside a single error guard: the first value of
// the wrong type ends the group silently; what was read before it stays
// applied, everything after it keeps its design value. Absent values are
// skipped and do not end the group.
class SettingsGroup {
public:
    explicit SettingsGroup(const SettingsStore& store) : store_(store) {}

    void readInt(const QString& name, const std::function<void(qint32)>& apply);
    void readBool(const QString& name, const std::function<void(bool)>& apply);
    void readString(const QString& name, const std::function<void(const QString&)>& apply);
    void readDate(const QString& name, const std::function<void(double)>& apply);
    void readIntOrBool(const QString& name, const std::function<void(qint32)>& apply);

    // A step between reads that belongs to the group: skipped once it ended.
    void step(const std::function<void()>& action);

    bool ended() const { return ended_; }

private:
    template <typename T, typename Apply>
    void take(const SettingsValue<T>& read, const Apply& apply);

    const SettingsStore& store_;
    bool ended_ = false;
};
