#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::openFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopShell::openUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}
