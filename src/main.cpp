#include "paths/AppPaths.h"
#include "app/SignalCloser.h"
#include "app/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/QtTranslations.h"
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
    // The name also names the per-user data folder. No display name: Qt would
    // append it to every dialog title.
    QApplication::setApplicationName(QStringLiteral("Numerant"));
    const QString title = QStringLiteral("Dazizozoz Adiva");
    // The interface starts German; the language menu switches Qt's texts too.
    QtTranslations::use(QStringLiteral("de"));

    QtDialogs dialogs(title);
    const AppPaths paths = AppPaths::forExecutable(QApplication::applicationDirPath());
    if (!paths.problem.isEmpty()) {
        dialogs.showError(nullptr, paths.problem);
        return 1;
    }

    DesktopShell shell;
    WavSound sound;
    TForm1::Services services;
    services.dialogs = &dialogs;
    services.shell = &shell;
    services.sound = &sound;

    qCInfo(lcPaths).noquote() << "delivered files:" << paths.programDir;
    qCInfo(lcPaths).noquote() << "writes into:" << paths.home;
    TForm1 window(paths, services);
    window.setWindowTitle(title);
    // A termination signal closes the window like the user would, so the
    // settings are saved; quitting also ends any modal dialog still open.
    SignalCloser closer(&window);
    QObject::connect(&closer, &SignalCloser::closedOnSignal, &app, &QCoreApplication::quit);

    window.show();
    return QApplication::exec();
}
