#include "systems/SystemFile.h"

#include "systems/CoverageCheck.h"
#include "systems/SystemTexts.h"
#include "text/AtomicFile.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace {

const QByteArray kHeader = QByteArrayLiteral("Numerant system 1");

QString atLine(int line, const QString& why)
{
    return UiText::line(TextLine::ImportBadLine).arg(line).arg(why);
}

// Blank-separated whole numbers; none when a word is anything else.
std::optional<std::vector<int>> numbersIn(const QByteArray& text)
{
    std::vector<int> numbers;
    for (const QByteArray& word : text.simplified().split(' ')) {
        if (word.isEmpty())
            continue;
        if (word.size() > 2 || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        numbers.push_back(word.toInt());
    }
    return numbers;
}

// "key: value" on the given line; none when the key differs.
std::optional<QByteArray> valueOf(const QByteArray& line, const char* key)
{
    const QByteArray prefix = QByteArray(key) + ':';
    if (!line.startsWith(prefix))
        return std::nullopt;
    return line.mid(prefix.size()).trimmed();
}

} // namespace

namespace SystemFile {

QString filter()
{
    return UiText::line(TextLine::SystemFiles) + QStringLiteral("|*.vls");
}

QByteArray format(const LottoSystem& system)
{
    QByteArray out = kHeader + "\r\n";
    out += "name: " + system.name.simplified().toUtf8() + "\r\n";
    out += "numbers:";
    for (int n : system.numbers)
        out += ' ' + QByteArray::number(n);
    out += "\r\n";
    out += "guarantee: ";
    out += system.guarantee.isSet() ? QByteArray::number(system.guarantee.hits) + " if "
                                          + QByteArray::number(system.guarantee.ifDrawn)
                                    : QByteArray("none");
    out += "\r\n";
    out += "rows: " + QByteArray::number(qsizetype(system.rows.size())) + "\r\n";
    for (const SixNumbers& row : system.sortedRows()) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out += (i == 0 ? "" : " ") + QByteArray::number(row[i]);
        out += "\r\n";
    }
    return out;
}

QByteArray csv(const LottoSystem& system)
{
    QByteArray out("n1,n2,n3,n4,n5,n6\r\n");
    for (const SixNumbers& row : system.sortedRows()) {
        for (std::size_t i = 0; i < row.size(); ++i)
            out += (i == 0 ? "" : ",") + QByteArray::number(row[i]);
        out += "\r\n";
    }
    return out;
}

QString write(const QString& path, const LottoSystem& system)
{
    return AtomicFile::write(path, format(system)).message;
}

std::optional<LottoSystem> parse(const QByteArray& bytes, QString* error)
{
    const auto fail = [&](const QString& why) -> std::optional<LottoSystem> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (bytes.size() > maxFileSize)
        return fail(UiText::line(TextLine::SystemFileTooLarge).arg(maxFileSize));

    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    QList<QByteArray> lines = text.split('\n');
    // Blank lines at the end are what an editor leaves, not rows.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const auto line = [&](int number) { return number <= lines.size() ? lines[number - 1].trimmed() : QByteArray(); };

    if (line(1) != kHeader)
        return fail(UiText::line(TextLine::SystemFileNotASystem).arg(QString::fromLatin1(kHeader)));

    LottoSystem system;
    const auto name = valueOf(line(2), "name");
    if (!name)
        return fail(atLine(2, UiText::line(TextLine::SystemFileExpected).arg(QStringLiteral("name:"))));
    system.name = QString::fromUtf8(*name);

    const auto numbersText = valueOf(line(3), "numbers");
    if (!numbersText)
        return fail(atLine(3, UiText::line(TextLine::SystemFileExpected).arg(QStringLiteral("numbers:"))));
    auto numbers = numbersIn(*numbersText);
    if (numbers)
        std::sort(numbers->begin(), numbers->end());
    if (!numbers || numbers->size() < 6 || !Systems::isLottoNumbers(*numbers))
        return fail(atLine(3, UiText::line(TextLine::SystemFileBadNumbers)));
    system.numbers = *numbers;

    const auto guaranteeText = valueOf(line(4), "guarantee");
    if (!guaranteeText)
        return fail(atLine(4, UiText::line(TextLine::SystemFileExpected).arg(QStringLiteral("guarantee:"))));
    if (*guaranteeText != "none") {
        const QList<QByteArray> words = guaranteeText->simplified().split(' ');
        bool hitsOk = false;
        bool drawnOk = false;
        if (words.size() == 3 && words[1] == "if")
            system.guarantee = {words[0].toInt(&hitsOk), words[2].toInt(&drawnOk)};
        if (!hitsOk || !drawnOk || !system.guarantee.isValid())
            return fail(atLine(4, UiText::line(TextLine::SystemFileBadGuarantee)
                                      .arg(QString::fromUtf8(*guaranteeText))));
    }

    const auto countText = valueOf(line(5), "rows");
    if (!countText)
        return fail(atLine(5, UiText::line(TextLine::SystemFileExpected).arg(QStringLiteral("rows:"))));
    bool countOk = false;
    const int count = countText->toInt(&countOk);
    if (!countOk || count < 1 || count > maxRows)
        return fail(atLine(5, UiText::line(TextLine::SystemFileBadRowCount).arg(maxRows)));

    const int rowLines = int(lines.size()) - 5;
    if (rowLines != count)
        return fail(UiText::line(TextLine::SystemFileRowCount).arg(count).arg(std::max(0, rowLines)));
    const NumberMask allowed = Systems::numbersOf((NumberMask(1) << system.numbers.size()) - 1, system.numbers);
    system.rows.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const int number = 6 + i;
        const auto row = numbersIn(line(number));
        NumberMask mask = 0;
        if (row && row->size() == 6)
            for (int n : *row)
                mask |= n >= 1 && n <= 49 ? NumberMask(1) << n : 0;
        if (Systems::popCount(mask) != 6 || (mask & ~allowed) != 0)
            return fail(atLine(number, UiText::line(TextLine::SystemFileBadRow)
                                           .arg(QString::fromUtf8(line(number)))));
        system.rows.push_back(Systems::positionsOf(mask, system.numbers));
    }

    if (system.guarantee.isSet()) {
        if (int(system.numbers.size()) > CoverageCheck::kMaxNumbers)
            return fail(UiText::line(TextLine::SystemFileGuaranteeUnchecked).arg(CoverageCheck::kMaxNumbers));
        const CoverageResult proof = CoverageCheck::check(system, 1);
        if (!proof.holds) {
            const NumberMask hole = proof.holes.empty() ? 0 : Systems::numbersOf(proof.holes.front(), system.numbers);
            return fail(UiText::line(TextLine::SystemFileGuaranteeFails)
                            .arg(SystemTexts::guarantee(system.guarantee))
                            .arg(proof.holeCount)
                            .arg(SystemTexts::numbers(hole)));
        }
    }
    return system;
}

std::optional<LottoSystem> read(const QString& path, QString* error)
{
    // Opening a pipe would block and /dev/zero never ends: look before opening.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = UiText::line(TextLine::SystemFileNotAFile).arg(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = UiText::line(TextLine::CannotOpen).arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = UiText::line(TextLine::FileNotRead).arg(path, file.errorString());
        return std::nullopt;
    }
    QString why;
    auto system = parse(bytes, &why);
    if (!system && error)
        *error = QStringLiteral("\"%1\": %2").arg(path, why);
    return system;
}

} // namespace SystemFile
