#include "Check.h"

#include "paths/AppPaths.h"
#include "draws/DamagedDraws.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawText.h"
#include "draws/GameRules.h"
#include "evaluation/PrizeClasses.h"
#include "evaluation/TicketCost.h"
#include "evaluation/TicketRating.h"
#include "evaluation/TicketRun.h"
#include "systems/SystemFile.h"
#include "systems/SystemTexts.h"
#include "text/Languages.h"
#include "text/TextLine.h"
#include "text/TextLines.h"
#include "text/TextTable.h"
#include "text/UiText.h"
#include "tipfiles/TipFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

namespace Check {

namespace {

QString text(int line)
{
    return UiText::line(line);
}

// A refusal: the message for stderr.
struct Refusal {
    QString message;
};

struct Request {
    QString database;
    std::optional<QDate> draw;
    std::optional<TicketRun> run;
    QString tips;             // tip file
    QString system;           // system file
    QStringList rowTexts;     // --row values
    std::optional<QString> losnummer;
    bool spiel77 = false;
    bool super6 = false;
    QString fee;
    bool json = false;
    QString language;         // file code
    bool help = false;
};

std::optional<QDate> isoDate(const QString& value)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!form.match(value).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(value, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString shortDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

const Language* languageOf(const QString& code)
{
    for (const Language& language : Languages::all())
        if (language.code == code)
            return &language;
    return nullptr;
}

// The language from --lang, else from LANG ("en_GB.UTF-8"), else German.
QString languageCode(const QString& lang)
{
    const QString prefix = lang.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0).toLower();
    if (prefix == QLatin1String("es"))
        return QStringLiteral("sp");
    if (prefix == QLatin1String("cs"))
        return QStringLiteral("cz");
    if (languageOf(prefix))
        return prefix;
    return QStringLiteral("de");
}

// Installs the language's text table: German from the program itself, any
// other from its message file; a missing file leaves German.
void installLanguage(const QString& code, const QString& folder)
{
    TextTable table;
    if (code != QLatin1String("de"))
        if (const std::optional<QStringList> lines =
                TextLines::read(QDir(folder).filePath(QStringLiteral("meldungen.txt.") + code)))
            table.setLines(*lines);
    UiText::install(table);
}

// Six different numbers 1..49 separated by commas.
std::optional<TicketRow> parseRow(const QString& value)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 6)
        return std::nullopt;
    TicketRow row{};
    std::set<int> seen;
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const int n = parts[i].trimmed().toInt(&ok);
        if (!ok || !isLottoNumber(n) || !seen.insert(n).second)
            return std::nullopt;
        row[std::size_t(i)] = n;
    }
    return row;
}

std::optional<DrawDays> parseDays(const QString& value)
{
    const QString days = value.toLower();
    if (days == QLatin1String("sa"))
        return DrawDays::Saturday;
    if (days == QLatin1String("mi"))
        return DrawDays::Wednesday;
    if (days == QLatin1String("sa+mi") || days == QLatin1String("mi+sa"))
        return DrawDays::Both;
    return std::nullopt;
}

// The arguments as a request, or the reason they are refused.
std::optional<Request> parseArguments(const QStringList& arguments, const Environment& environment,
                                      Refusal& refusal)
{
    Request request;
    request.database = environment.database;
    const auto refuse = [&](const QString& message) {
        refusal.message = message;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        const auto value = [&](qsizetype ahead = 1) -> std::optional<QString> {
            if (i + ahead >= arguments.size())
                return std::nullopt;
            return arguments[i + ahead];
        };
        // Another option where a value belongs means the value is missing.
        const auto needs = [&](qsizetype count) {
            for (qsizetype k = 1; k <= count; ++k)
                if (i + k >= arguments.size() || arguments[i + k].startsWith(QLatin1String("--")))
                    return false;
            return true;
        };
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            request.help = true;
        } else if (option == QLatin1String("--json")) {
            request.json = true;
        } else if (option == QLatin1String("--spiel77")) {
            request.spiel77 = true;
        } else if (option == QLatin1String("--super6")) {
            request.super6 = true;
        } else if (option == QLatin1String("--row")) {
            // One or more rows, up to the next option.
            if (!needs(1))
                return refuse(text(TextLine::CheckMissingValue).arg(option));
            while (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
                request.rowTexts << arguments[++i];
        } else if (option == QLatin1String("--run")) {
            if (!needs(3))
                return refuse(text(TextLine::CheckMissingValue).arg(option));
            const std::optional<QDate> first = isoDate(*value(1));
            if (!first)
                return refuse(text(TextLine::CheckBadDate).arg(*value(1)));
            bool ok = false;
            const int weeks = value(2)->toInt(&ok);
            if (!ok || weeks < 0 || weeks > TicketRun::kMaxWeeks)
                return refuse(text(TextLine::CheckBadWeeks).arg(*value(2)));
            const std::optional<DrawDays> days = parseDays(*value(3));
            if (!days)
                return refuse(text(TextLine::CheckBadDays).arg(*value(3)));
            request.run = TicketRun{DateSerial::fromDate(*first), weeks, *days};
            i += 3;
        } else if (option == QLatin1String("--db") || option == QLatin1String("--draw")
                   || option == QLatin1String("--tips") || option == QLatin1String("--system")
                   || option == QLatin1String("--losnummer")
                   || option == QLatin1String("--fee") || option == QLatin1String("--lang")) {
            if (!needs(1))
                return refuse(text(TextLine::CheckMissingValue).arg(option));
            const QString given = *value();
            ++i;
            if (option == QLatin1String("--db")) {
                request.database = given;
            } else if (option == QLatin1String("--draw")) {
                request.draw = isoDate(given);
                if (!request.draw)
                    return refuse(text(TextLine::CheckBadDate).arg(given));
            } else if (option == QLatin1String("--tips")) {
                request.tips = given;
            } else if (option == QLatin1String("--system")) {
                request.system = given;
            } else if (option == QLatin1String("--losnummer")) {
                request.losnummer = given.trimmed();
            } else if (option == QLatin1String("--fee")) {
                request.fee = given;
            } else {
                if (!languageOf(given))
                    return refuse(text(TextLine::CheckBadLanguage).arg(given));
                request.language = given;
            }
        } else {
            return refuse(text(TextLine::CheckBadOption).arg(option));
        }
    }
    if (request.draw && request.run)
        return refuse(text(TextLine::CheckDrawOrRun));
    return request;
}

// The ticket: rows, number and games.
struct Ticket {
    std::vector<TicketRow> rows;
    TicketPlay play;
    std::optional<LottoSystem> system; // when the rows come from a system file
};

std::optional<Ticket> readTicket(const Request& request, Refusal& refusal)
{
    Ticket ticket;
    const auto refuse = [&](const QString& message) {
        refusal.message = message;
        return std::nullopt;
    };
    if (!request.system.isEmpty() && (!request.tips.isEmpty() || !request.rowTexts.isEmpty()))
        return refuse(text(TextLine::CheckOneRowSource));
    if (!request.tips.isEmpty() && !request.rowTexts.isEmpty())
        return refuse(text(TextLine::CheckRowsOrTips));
    if (!request.system.isEmpty()) {
        // The reader proves a stated guarantee before the rows are used.
        QString error;
        ticket.system = SystemFile::read(request.system, &error);
        if (!ticket.system)
            return refuse(text(TextLine::CheckSystemFileBad).arg(request.system, error));
        ticket.rows = ticket.system->sortedRows();
    }
    for (const QString& rowText : request.rowTexts) {
        const std::optional<TicketRow> row = parseRow(rowText);
        if (!row)
            return refuse(text(TextLine::CheckBadRow).arg(rowText));
        ticket.rows.push_back(*row);
    }
    if (!request.tips.isEmpty()) {
        QString error;
        const std::optional<TipFile::Content> content = TipFile::read(request.tips, &error);
        const auto badFile = [&](const QString& reason) {
            return refuse(text(TextLine::CheckTipFileBad).arg(request.tips, reason));
        };
        if (!content)
            return badFile(error);
        // The board's rows as the file holds them; empty rows are not played.
        for (int r = 0; r < content->rowsRead; ++r) {
            const std::array<QString, 6>& cells = content->rows[std::size_t(r)];
            if (std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.trimmed().isEmpty(); }))
                continue;
            QStringList numbers;
            for (int k = 0; k < 6; ++k) {
                bool ok = false;
                const int n = cells[std::size_t(k)].trimmed().toInt(&ok);
                if (!ok || !isLottoNumber(n))
                    return badFile(text(TextLine::PrintoutBadNumber).arg(cells[std::size_t(k)]).arg(r + 1).arg(k + 1));
                numbers << QString::number(n);
            }
            const std::optional<TicketRow> row = parseRow(numbers.join(QLatin1Char(',')));
            if (!row)
                return badFile(text(TextLine::CheckBadRow).arg(numbers.join(QLatin1Char(','))));
            ticket.rows.push_back(*row);
        }
        if (content->losNr)
            ticket.play.losnummer = content->losNr->trimmed();
    }
    if (ticket.rows.empty())
        return refuse(text(TextLine::CheckNoRows));
    if (request.losnummer)
        ticket.play.losnummer = *request.losnummer;
    if (!ticket.play.losnummer.isEmpty() && !Prize::isValidLosnummer(ticket.play.losnummer))
        return refuse(text(TextLine::LosnummerInvalid).arg(ticket.play.losnummer));
    ticket.play.spiel77 = request.spiel77;
    ticket.play.super6 = request.super6;
    if ((ticket.play.spiel77 || ticket.play.super6) && ticket.play.losnummer.isEmpty())
        return refuse(text(TextLine::CheckGamesNeedLosnummer));
    return ticket;
}

std::optional<std::vector<Draw>> readDatabase(const QString& path, Refusal& refusal)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = QFileInfo(path).isDir() ? text(TextLine::NotARegularFile) : file.errorString();
        refusal.message = text(TextLine::CheckDatabaseUnreadable).arg(QDir::toNativeSeparators(path), reason);
        return std::nullopt;
    }
    // The window reads whole records and leaves a fragment alone; a script
    // is better told that the file is not what it should be.
    if (file.size() % qint64(sizeof(Draw)) != 0) {
        refusal.message = text(TextLine::CheckDatabaseFragment).arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    file.close();
    QString error;
    std::optional<std::vector<Draw>> draws = DrawFile(path).readAll(&error);
    if (!draws) {
        refusal.message = text(TextLine::CheckDatabaseUnreadable).arg(QDir::toNativeSeparators(path), error);
        return std::nullopt;
    }
    if (draws->empty()) {
        refusal.message = text(TextLine::DatabaseEmpty);
        return std::nullopt;
    }
    return draws;
}

QString dateText(double datum)
{
    return shortDate(DateSerial::toDate(datum));
}

QString isoText(double datum)
{
    return DateSerial::toDate(datum).toString(Qt::ISODate);
}

QString daysText(DrawDays days)
{
    return days == DrawDays::Saturday ? QStringLiteral("sa")
           : days == DrawDays::Wednesday ? QStringLiteral("mi")
                                         : QStringLiteral("sa+mi");
}

// The line of a digit game: its class with the amount, or why there is none.
QString gameText(int prizeClass, qint64 amountCents, const QLocale& locale)
{
    if (prizeClass < 0)
        return text(TextLine::CheckNoDigits);
    if (prizeClass == 0)
        return text(TextLine::CheckNothingWon);
    return QStringLiteral("%1 (%2)").arg(text(TextLine::PrizeClass).arg(prizeClass),
                                         amountCents > 0 ? euroText(amountCents, locale) : text(TextLine::Jackpot));
}

QJsonValue gameJson(bool played, int prizeClass, qint64 amountCents)
{
    if (!played)
        return QJsonValue::Null;
    QJsonObject game;
    game.insert(QStringLiteral("class"), prizeClass < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(prizeClass));
    game.insert(QStringLiteral("amountCents"), double(amountCents));
    game.insert(QStringLiteral("jackpot"), prizeClass == 1 && amountCents == 0);
    return game;
}

QJsonArray numbersJson(const TicketRow& row)
{
    QJsonArray numbers;
    for (int n : row)
        numbers.append(n);
    return numbers;
}

} // namespace

QString helpText()
{
    return QStringLiteral(
        "Usage: numerant-check [--db FILE] [--draw YYYY-MM-DD | --run FIRST WEEKS DAYS]\n"
        "                      (--tips FILE.vlt | --system FILE.vls |\n"
        "                       --row N,N,N,N,N,N [N,N,N,N,N,N ...])\n"
        "                      [--losnummer NNNNNNN] [--spiel77] [--super6] [--fee AMOUNT]\n"
        "                      [--json] [--lang CODE]\n"
        "\n"
        "Rates a lottery ticket against the draws stored in Numerant's database, with\n"
        "the prize classes of the rules in force on each draw's date.\n"
        "\n"
        "  --db FILE          the database (default: the one the program uses)\n"
        "  --draw DATE        the stored draw of that day (default: the latest draw)\n"
        "  --run FIRST WEEKS DAYS\n"
        "                     every stored draw of the ticket's run: FIRST the first\n"
        "                     draw date, WEEKS 1 to 5 or 0 (until changed: costed per\n"
        "                     week), DAYS sa (Saturday), mi (Wednesday) or sa+mi\n"
        "  --tips FILE.vlt    the rows and the ticket number (line 13) of a tip file\n"
        "  --system FILE.vls  every row of a system file (the file's guarantee is\n"
        "                     proven on reading)\n"
        "  --row ROW ...      one or more rows of six different numbers 1 to 49,\n"
        "                     separated by commas; --row may also be repeated\n"
        "  --losnummer N      the seven-digit ticket number (overrides the tip file's);\n"
        "                     its last digit is the ticket's Superzahl. Without one no\n"
        "                     class that needs the Superzahl is given\n"
        "  --spiel77          the ticket plays Spiel 77 (needs the ticket number)\n"
        "  --super6           the ticket plays Super 6 (needs the ticket number)\n"
        "  --fee AMOUNT       the processing fee, once per ticket, e.g. 0,50\n"
        "  --json             one JSON object on stdout instead of the text\n"
        "  --lang CODE        de, en, fr, sp, tr, ru, pl, cz or nl (default: from LANG,\n"
        "                     else German)\n"
        "\n"
        "Exit status: 0 something was won, 1 nothing was won, 2 bad input (the\n"
        "message is on stderr).\n");
}

Output run(const QStringList& arguments, const Environment& environment)
{
    Output output;
    Refusal refusal;
    // Messages about the arguments come in the language LANG names; --lang
    // applies once the arguments are read.
    installLanguage(languageCode(environment.lang), environment.languageFolder);
    const auto refused = [&] {
        output.exitCode = BadInput;
        output.err = (refusal.message + QLatin1Char('\n')).toUtf8();
        return output;
    };
    const std::optional<Request> request = parseArguments(arguments, environment, refusal);
    if (!request)
        return refused();
    if (request->help) {
        output.exitCode = 0;
        output.out = helpText().toUtf8();
        return output;
    }
    const QString code = request->language.isEmpty() ? languageCode(environment.lang) : request->language;
    installLanguage(code, environment.languageFolder);
    const QLocale locale = Languages::locale(code);
    const QStringList weekdays = shortWeekdayNames(languageOf(code)->number);

    const std::optional<Ticket> ticket = readTicket(*request, refusal);
    if (!ticket)
        return refused();
    qint64 feeCents = 0;
    if (!request->fee.isEmpty()) {
        const std::optional<qint64> fee = parseCents(request->fee);
        if (!fee) {
            refusal.message = text(TextLine::CheckBadFee).arg(request->fee);
            return refused();
        }
        feeCents = *fee;
    }
    const std::optional<std::vector<Draw>> draws = readDatabase(request->database, refusal);
    if (!draws)
        return refused();

    // The draws to rate, each checked before any is reported.
    std::vector<TicketDrawResult> results;
    if (request->run) {
        results = rateTicketRun(ticket->rows, *draws, *request->run, ticket->play);
    } else {
        std::size_t index = draws->size() - 1;
        if (request->draw) {
            const double day = DateSerial::fromDate(*request->draw);
            const auto found = std::find_if(draws->begin(), draws->end(), [&](const Draw& d) { return d.datum == day; });
            if (found == draws->end()) {
                refusal.message = text(TextLine::CheckNoDrawOn).arg(shortDate(*request->draw));
                return refused();
            }
            index = std::size_t(found - draws->begin());
        }
        results.push_back(rateTicket(ticket->rows, (*draws)[index], ticket->play));
        results.back().drawIndex = int(index);
    }
    for (const TicketDrawResult& result : results) {
        const Draw& draw = (*draws)[std::size_t(result.drawIndex)];
        if (isDamagedDraw(draw)) {
            refusal.message = text(TextLine::CheckDrawDamaged).arg(dateText(draw.datum));
            return refused();
        }
    }

    const int paidDraws = request->run ? request->run->paidDraws() : 1;
    const TicketCost cost = ticketCost(int(ticket->rows.size()), ticket->play.spiel77, ticket->play.super6,
                                       paidDraws, feeCents);
    const bool won = std::any_of(results.begin(), results.end(), [](const TicketDrawResult& r) { return r.won(); });
    output.exitCode = won ? Won : NothingWon;
    const bool hasNumber = !ticket->play.losnummer.isEmpty();

    if (request->json) {
        QJsonObject root;
        root.insert(QStringLiteral("database"), request->database);
        root.insert(QStringLiteral("losnummer"), hasNumber ? QJsonValue(ticket->play.losnummer) : QJsonValue());
        const int ticketSuper = Prize::ticketSuperNumber(ticket->play.losnummer);
        root.insert(QStringLiteral("ticketSuperNumber"), ticketSuper >= 0 ? QJsonValue(ticketSuper) : QJsonValue());
        root.insert(QStringLiteral("spiel77"), ticket->play.spiel77);
        root.insert(QStringLiteral("super6"), ticket->play.super6);
        QJsonArray rows;
        for (const TicketRow& row : ticket->rows)
            rows.append(numbersJson(row));
        root.insert(QStringLiteral("rows"), rows);
        if (ticket->system) {
            QJsonObject system;
            system.insert(QStringLiteral("name"), ticket->system->name);
            QJsonArray numbers;
            for (int n : ticket->system->numbers)
                numbers.append(n);
            system.insert(QStringLiteral("numbers"), numbers);
            const Guarantee guarantee = ticket->system->guarantee;
            system.insert(QStringLiteral("guarantee"),
                          guarantee.isSet() ? QJsonValue(QStringLiteral("%1 if %2").arg(guarantee.hits).arg(guarantee.ifDrawn))
                                            : QJsonValue());
            root.insert(QStringLiteral("system"), system);
        }
        if (request->run) {
            QJsonObject run;
            run.insert(QStringLiteral("first"), isoText(request->run->firstDate));
            run.insert(QStringLiteral("weeks"), request->run->weeks);
            run.insert(QStringLiteral("days"), daysText(request->run->days));
            root.insert(QStringLiteral("run"), run);
        }
        QJsonArray drawList;
        for (std::size_t d = 0; d < results.size(); ++d) {
            const TicketDrawResult& result = results[d];
            const Draw& draw = (*draws)[std::size_t(result.drawIndex)];
            QJsonObject entry;
            entry.insert(QStringLiteral("date"), isoText(result.date));
            entry.insert(QStringLiteral("numbers"),
                         numbersJson({draw.number(0), draw.number(1), draw.number(2), draw.number(3),
                                      draw.number(4), draw.number(5)}));
            entry.insert(QStringLiteral("superNumber"),
                         GameRules::hasSuperNumber(draw) ? QJsonValue(draw.superNumber()) : QJsonValue());
            entry.insert(QStringLiteral("bonus"), GameRules::hasBonus(draw) ? QJsonValue(draw.bonus()) : QJsonValue());
            entry.insert(QStringLiteral("classTable"), result.classTable);
            QJsonArray rowResults;
            for (const Prize::RowResult& row : result.rows) {
                QJsonObject r;
                r.insert(QStringLiteral("hits"), row.hits);
                r.insert(QStringLiteral("superMatch"), row.superMatch);
                r.insert(QStringLiteral("bonusMatch"), row.bonusMatch);
                r.insert(QStringLiteral("class"), row.prizeClass);
                rowResults.append(r);
            }
            entry.insert(QStringLiteral("rows"), rowResults);
            QJsonArray perClass;
            for (const int n : result.perClass)
                perClass.append(n);
            entry.insert(QStringLiteral("perClass"), perClass);
            entry.insert(QStringLiteral("spiel77"),
                         gameJson(ticket->play.spiel77, result.spiel77Class, Prize::spiel77AmountCents(result.spiel77Class)));
            entry.insert(QStringLiteral("super6"),
                         gameJson(ticket->play.super6, result.super6Class, Prize::super6AmountCents(result.super6Class)));
            entry.insert(QStringLiteral("fixedAmountCents"), double(result.fixedAmountCents));
            entry.insert(QStringLiteral("jackpot"), result.jackpot);
            entry.insert(QStringLiteral("won"), result.won());
            drawList.append(entry);
        }
        root.insert(QStringLiteral("draws"), drawList);
        QJsonObject costs;
        costs.insert(QStringLiteral("rowsPerDrawCents"), double(cost.rowsPerDraw));
        costs.insert(QStringLiteral("spiel77PerDrawCents"), double(cost.spiel77PerDraw));
        costs.insert(QStringLiteral("super6PerDrawCents"), double(cost.super6PerDraw));
        costs.insert(QStringLiteral("perDrawCents"), double(cost.perDraw));
        costs.insert(QStringLiteral("draws"), cost.draws);
        costs.insert(QStringLiteral("feeCents"), double(cost.fee));
        costs.insert(QStringLiteral("runCents"), double(cost.run));
        root.insert(QStringLiteral("cost"), costs);
        root.insert(QStringLiteral("won"), won);
        output.out = QJsonDocument(root).toJson(QJsonDocument::Indented);
        return output;
    }

    QStringList lines;
    if (ticket->system) {
        QStringList numbers;
        for (int n : ticket->system->numbers)
            numbers << QString::number(n);
        QString heading = ticket->system->name + QStringLiteral(": ") + numbers.join(QLatin1Char(' '));
        if (ticket->system->guarantee.isSet())
            heading += QStringLiteral(" – ") + SystemTexts::guarantee(ticket->system->guarantee);
        lines << heading << QString();
    }
    for (const TicketDrawResult& result : results) {
        const Draw& draw = (*draws)[std::size_t(result.drawIndex)];
        lines << drawLine(draw, weekdays).trimmed();
        for (std::size_t r = 0; r < result.rows.size(); ++r) {
            const Prize::RowResult& row = result.rows[r];
            QStringList numbers;
            for (int n : ticket->rows[r])
                numbers << QString::number(n);
            QString line = text(TextLine::SearchFoundRow).arg(r + 1).arg(numbers.join(QLatin1Char(' '))).arg(row.hits);
            if (row.prizeClass > 0)
                line += QStringLiteral(" – ") + text(TextLine::PrizeClass).arg(row.prizeClass);
            lines << line;
        }
        if (!result.classTable)
            lines << text(TextLine::NoClassTable);
        if (ticket->play.spiel77)
            lines << QStringLiteral("Spiel 77: ")
                         + gameText(result.spiel77Class, Prize::spiel77AmountCents(result.spiel77Class), locale);
        if (ticket->play.super6)
            lines << QStringLiteral("Super 6: ")
                         + gameText(result.super6Class, Prize::super6AmountCents(result.super6Class), locale);
        lines << QString();
    }
    if (results.empty())
        lines << text(TextLine::CheckRunEmpty);
    if (!hasNumber)
        lines << text(TextLine::CheckNoLosnummer);
    lines << text(TextLine::CheckCostPerDraw)
                 .arg(euroText(cost.perDraw, locale), euroText(cost.rowsPerDraw, locale),
                      euroText(cost.spiel77PerDraw, locale), euroText(cost.super6PerDraw, locale));
    lines << text(TextLine::CheckCostRun).arg(QString::number(cost.draws), euroText(cost.fee, locale),
                                              euroText(cost.run, locale));
    lines << text(won ? TextLine::CheckWon : TextLine::CheckNotWon);
    output.out = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    return output;
}

QString defaultDatabase(const QString& executableDir, const QString& userDataDir)
{
    const AppPaths paths = AppPaths::forExecutable(executableDir, userDataDir);
    const QString own = paths.home + AppPaths::databaseName();
    if (QFileInfo::exists(own))
        return own;
    // The window adopts this one at its next start.
    const QString delivered = paths.deliveredDatabase(AppPaths::databaseName());
    return delivered.isEmpty() ? own : delivered;
}

} // namespace Check
