#include "app/AppPaths.h"
#include "app/SignalCloser.h"
#include "app/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QLoggingCategory>

namespace {
// Silent unless asked for (QT_LOGGING_RULES="numerant.paths.info=true"):
// tells an installer or a puzzled user which folders the program uses.
Q_LOGGING_CATEGORY(lcPaths, "numerant.paths", QtWarningMsg)
} // namespace

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

    const AppPaths paths = AppPaths::forExecutable(QApplication::applicationDirPath());
    qCInfo(lcPaths).noquote() << "delivered files:" << paths.programDir;
    qCInfo(lcPaths).noquote() << "writes into:" << paths.home;
    TForm1 window(paths, services);
    // A termination signal closes the window like the user would, so the
    // settings are saved; quitting also ends any modal dialog still open.
    SignalCloser closer(&window);
    QObject::connect(&closer, &SignalCloser::closedOnSignal, &app, &QCoreApplication::quit);

    window.show();
    return QApplication::exec();
}
