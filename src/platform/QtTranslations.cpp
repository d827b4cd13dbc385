#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

QPointer<QTranslator>& installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

QString& currentCode()
{
    static QString code;
    return code;
}

} // namespace

namespace QtTranslations {

bool use(const QString& isoCode)
{
    currentCode() = isoCode;
    if (QTranslator* old = installed()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (isoCode == QLatin1String("en"))
        return false;
    // "qt_xx" bundles qtbase and the other modules' catalogues.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(isoCode), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}

QString current()
{
    return currentCode();
}

} // namespace QtTranslations
