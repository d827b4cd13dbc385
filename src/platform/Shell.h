#pragma once

#include <QString>

// Opens a file or web address with the desktop's associated program. Failures
// are silent: the program never reports a missing viewer.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openFile(const QString& path) = 0;
    virtual void openUrl(const QString& address) = 0;
};

class DesktopShell final : public Shell {
public:
    void openFile(const QString& path) override;
    void openUrl(const QString& address) override;
};
