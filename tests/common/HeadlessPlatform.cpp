#include "HeadlessPlatform.h"

TForm1::Services HeadlessPlatform::services(const QString& settingsFile)
{
    TForm1::Services made;
    made.dialogs = &dialogs;
    made.shell = &shell;
    made.sound = &sound;
    made.settingsFile = settingsFile;
    return made;
}

std::unique_ptr<TForm1> HeadlessPlatform::makeWindow(const AppPaths& paths, const QString& settingsFile)
{
    return std::make_unique<TForm1>(paths, services(settingsFile));
}
