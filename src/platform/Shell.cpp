#include "platform/Shell.h"

#include "platform/Dialogs.h"
#include "text/MessageLines.h"
#include "text/UiText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString cannotOpenFile(const QString& path)
{
    return UiText::line(MessageLine::ShellNoProgram) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
}

QString missingFile(const QString& path)
{
    return UiText::line(MessageLine::ShellMissingFile) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
}

QString cannotOpenAddress(const QString& address)
{
    return UiText::line(MessageLine::ShellNoBrowser) + QStringLiteral("\n\n") + address;
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
