#pragma once

#include "platform/SettingsTable.h"

#include <QSize>
#include <vector>

class TForm1;

// Every setting of the main window, each declared once with its stored name,
// type, default, guard and owner (see windowSettings()). The language is
// applied between the two parts: what is read after it wins over texts a
// language file sets.
struct WindowSettings {
    std::vector<Setting> beforeLanguage;
    std::vector<Setting> afterLanguage;

    std::vector<Setting> all() const;
};

// The window's settings bound to its controls and fields. A stored size is
// fitted to the screen, or to `design` on a screen smaller than that.
WindowSettings windowSettings(TForm1& window, const QSize& design);
