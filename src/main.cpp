#include "app/AppPaths.h"
#include "app/SignalCloser.h"
#include "app/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerant"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dazizozoz Adiva"));

    QtDialogs dialogs;
    DesktopShell shell;
    WavSound sound;
    TForm1::Services services;
    services.dialogs = &dialogs;
    services.shell = &shell;
    services.sound = &sound;

    TForm1 window(AppPaths::forExecutable(QApplication::applicationDirPath()), services);
    // A termination signal closes the window like the user would, so the
    // settings are saved; quitting also ends any modal dialog still open.
    SignalCloser closer(&window);
    QObject::connect(&closer, &SignalCloser::closedOnSignal, &app, &QCoreApplication::quit);

    window.show();
    return QApplication::exec();
}
