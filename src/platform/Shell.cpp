#include "platform/Shell.h"

#include "platform/Dialogs.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString cannotOpenFile(const QString& path)
{
    return UiText::line(TextLine::ShellNoProgram) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
}

QString missingFile(const QString& path)
{
    return UiText::line(TextLine::ShellMissingFile) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
}

QString cannotOpenAddress(const QString& address)
{
    return UiText::line(TextLine::ShellNoBrowser) + QStringLiteral("\n\n") + address;
}

QString handlerFailed(const QString& target, const QString& reason)
{
    return QStringLiteral("Das Programm, das die Datei oder Adresse öffnen sollte, ist gescheitert "
                          "(%1). Bitte öffnen Sie sie selbst:\n\n%2")
        .arg(reason, target);
}

} // namespace

bool DesktopShell::start(const QString& argument, const QString& target)
{
    // Not parented: the opener may run as long as the program it started,
    // possibly past this window; it deletes itself when it ends.
    // Qt 6.4 starts a name it cannot find on the path as an empty program
    // whose failure it never reports; a missing opener must fail here.
    const QString program = opener_.contains(u'/') ? opener_ : QStandardPaths::findExecutable(opener_);
    if (program.isEmpty())
        return false;
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments({argument});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    const LateFailure report = lateFailure_;
    QObject::connect(process, &QProcess::finished, process,
                     [process, report, target](int exitCode, QProcess::ExitStatus status) {
                         if (report && (status != QProcess::NormalExit || exitCode != 0))
                             report(target, status == QProcess::NormalExit
                                                ? QStringLiteral("Ende mit Fehler %1").arg(exitCode)
                                                : QStringLiteral("abgestürzt"));
                         process->deleteLater();
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

bool DesktopShell::openFile(const QString& path)
{
    return start(QUrl::fromLocalFile(path).toString(), QDir::toNativeSeparators(path));
}

bool DesktopShell::openUrl(const QString& address)
{
    const QString url = QUrl::fromUserInput(address).toString();
    return start(url, url);
}

ReportingShell::ReportingShell(Shell& shell, Dialogs& dialogs, QWidget* parent)
    : shell_(shell), dialogs_(dialogs), parent_(parent)
{
    // The failure may come after this window is gone; the dialogs outlive it.
    QPointer<QWidget> window = parent;
    Dialogs* messages = &dialogs;
    shell.setLateFailure([window, messages](const QString& target, const QString& reason) {
        if (window)
            messages->showError(window, handlerFailed(target, reason));
    });
}

bool ReportingShell::openFile(const QString& path)
{
    // The desktop reports a missing file to nobody: it starts a viewer that fails.
    if (!QFileInfo::exists(path)) {
        dialogs_.showError(parent_, missingFile(path));
        return false;
    }
    const bool opened = shell_.openFile(path);
    if (!opened)
        dialogs_.showError(parent_, cannotOpenFile(path));
    return opened;
}

bool ReportingShell::openUrl(const QString& address)
{
    const bool opened = shell_.openUrl(address);
    if (!opened)
        dialogs_.showError(parent_, cannotOpenAddress(address));
    return opened;
}
