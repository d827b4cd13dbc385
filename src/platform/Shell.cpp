#include "platform/Shell.h"

#include "platform/Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString cannotOpenFile(const QString& path)
{
    return QStringLiteral("Die Datei konnte nicht geöffnet werden, weil kein Programm dafür "
                          "eingerichtet ist. Bitte öffnen Sie sie selbst:\n\n%1")
        .arg(QDir::toNativeSeparators(path));
}

QString missingFile(const QString& path)
{
    return QStringLiteral("Die Datei wurde nicht gefunden:\n\n%1").arg(QDir::toNativeSeparators(path));
}

QString cannotOpenAddress(const QString& address)
{
    return QStringLiteral("Die Adresse konnte nicht im Browser geöffnet werden. Bitte öffnen "
                          "Sie sie selbst:\n\n%1")
        .arg(address);
}

} // namespace

bool DesktopShell::openFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openUrl(const QString& address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
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
