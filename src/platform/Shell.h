#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class Dialogs;

// Opens a file or web address with the desktop's associated program; false
// when the desktop could not hand it on.
class Shell {
public:
    // Told the file or address and why, when a hand-over that had started
    // fails later: the program for it could not start or ended with an error.
    using LateFailure = std::function<void(const QString& target, const QString& reason)>;

    virtual ~Shell() = default;
    virtual bool openFile(const QString& path) = 0;
    virtual bool openUrl(const QString& address) = 0;
    virtual void setLateFailure(LateFailure report) { (void)report; }
};

// Hands files and addresses to the desktop through its opener program and
// watches it: an opener that cannot start, or that ends with an error (no
// program set up for the file, or the program itself failed), is reported.
class DesktopShell final : public Shell {
public:
    explicit DesktopShell(QString opener = QStringLiteral("xdg-open")) : opener_(std::move(opener)) {}
    bool openFile(const QString& path) override;
    bool openUrl(const QString& address) override;
    void setLateFailure(LateFailure report) override { lateFailure_ = std::move(report); }

private:
    bool start(const QString& argument, const QString& target);

    QString opener_;
    LateFailure lateFailure_;
};

// The shell the window uses: when the desktop cannot open something, the
// user is told the full path or address, so it can be opened by hand.
class ReportingShell final : public Shell {
public:
    ReportingShell(Shell& shell, Dialogs& dialogs, QWidget* parent);
    bool openFile(const QString& path) override;
    bool openUrl(const QString& address) override;

private:
    Shell& shell_;
    Dialogs& dialogs_;
    QPointer<QWidget> parent_;
};
