#include "text/Languages.h"

#include <array>

std::span<const Language> Languages::all()
{
    static const std::array<Language, 9> table = {{
        {QStringLiteral("Deutsch1"), QStringLiteral("Deutsch"), QStringLiteral("de"), 0},
        {QStringLiteral("Englisch1"), QStringLiteral("English"), QStringLiteral("en"), 1},
        {QStringLiteral("Franzsisch1"), QStringLiteral("Français"), QStringLiteral("fr"), 2},
        {QStringLiteral("Spanisch1"), QStringLiteral("Español"), QStringLiteral("sp"), 3},
        {QStringLiteral("Trkisch1"), QStringLiteral("Türkçe"), QStringLiteral("tr"), 4},
        {QStringLiteral("Russisch1"), QStringLiteral("Русский"), QStringLiteral("ru"), 5},
        {QStringLiteral("Polnisch1"), QStringLiteral("Polski"), QStringLiteral("pl"), 8},
        {QStringLiteral("schechisch1"), QStringLiteral("Čeština"), QStringLiteral("cz"), 7},
        {QStringLiteral("Niederlndisch1"), QStringLiteral("Nederlands"), QStringLiteral("nl"), 6},
    }};
    return table;
}

const Language* Languages::byNumber(int number)
{
    for (const Language& language : all())
        if (language.number == number)
            return &language;
    return nullptr;
}

QLocale Languages::locale(const QString& code)
{
    static const struct {
        const char* code;
        QLocale::Language language;
        QLocale::Territory territory;
    } locales[] = {
        {"en", QLocale::English, QLocale::UnitedKingdom}, {"fr", QLocale::French, QLocale::France},
        {"sp", QLocale::Spanish, QLocale::Spain},         {"tr", QLocale::Turkish, QLocale::Turkey},
        {"ru", QLocale::Russian, QLocale::Russia},        {"pl", QLocale::Polish, QLocale::Poland},
        {"cz", QLocale::Czech, QLocale::CzechRepublic},   {"nl", QLocale::Dutch, QLocale::Netherlands},
    };
    for (const auto& entry : locales)
        if (code == QLatin1String(entry.code))
            return QLocale(entry.language, entry.territory);
    return QLocale(QLocale::German, QLocale::Germany);
}

const Language* Languages::byMenuItem(const QString& menuItem)
{
    for (const Language& language : all())
        if (language.menuItem == menuItem)
            return &language;
    return nullptr;
}
