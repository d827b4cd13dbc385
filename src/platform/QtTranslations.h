#pragma once

#include <QString>

// Qt's own texts (the buttons of message boxes, the file dialogs, the context
// menus of entry fields) in the interface language, from the translations Qt
// ships (Debian: qt6-translations-l10n).
namespace QtTranslations {

// Replaces the installed Qt translations by those of the language, given as
// an ISO code ("de", "fr", "cs"). English, or a language Qt has no
// translation for, leaves Qt's English texts. True when one was installed.
bool use(const QString& isoCode);

// The language currently in use; empty before the first use().
QString current();

} // namespace QtTranslations
