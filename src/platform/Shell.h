#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class Dialogs;

// Opens a file or web address with the desktop's associated program; false
// when the desktop could not hand it on.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openFile(const QString& path) = 0;
    virtual bool openUrl(const QString& address) = 0;
};

class DesktopShell final : public Shell {
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QString& address) override;
};

// The shell the window uses: when the desktop cannot open something, the
// user is told the full path or address, so it can be opened by hand.
class ReportingShell final : public Shell {
public:
    ReportingShell(Shell& shell, Dialogs& dialogs, QWidget* parent)
        : shell_(shell), dialogs_(dialogs), parent_(parent)
    {
    }
    bool openFile(const QString& path) override;
    bool openUrl(const QString& address) override;

private:
    Shell& shell_;
    Dialogs& dialogs_;
    QPointer<QWidget> parent_;
};
