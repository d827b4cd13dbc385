#include "text/Languages.h"

#include <array>

std::span<const Language> Languages::all()
{
    static const std::array<Language, 9> table = {{
        {QStringLiteral("Deutsch1"), QStringLiteral("Deutsch"), QStringLiteral("de"), 0},
        {QStringLiteral("Englisch1"), QStringLiteral("Englisch"), QStringLiteral("en"), 1},
        {QStringLiteral("Franzsisch1"), QStringLiteral("Französisch"), QStringLiteral("fr"), 2},
        {QStringLiteral("Spanisch1"), QStringLiteral("Spanisch"), QStringLiteral("sp"), 3},
        {QStringLiteral("Trkisch1"), QStringLiteral("Türkisch"), QStringLiteral("tr"), 4},
        {QStringLiteral("Russisch1"), QStringLiteral("Russisch"), QStringLiteral("ru"), 5},
        {QStringLiteral("Polnisch1"), QStringLiteral("Polnisch"), QStringLiteral("pl"), 8},
        {QStringLiteral("schechisch1"), QStringLiteral("Tschechisch"), QStringLiteral("cz"), 7},
        {QStringLiteral("Niederlndisch1"), QStringLiteral("Niederländisch"), QStringLiteral("nl"), 6},
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

const Language* Languages::byMenuItem(const QString& menuItem)
{
    for (const Language& language : all())
        if (language.menuItem == menuItem)
            return &language;
    return nullptr;
}
