#include "text/TranslationSource.h"

#include "text/TextLines.h"

namespace {

QString key(const QString& window, const QString& name)
{
    return window + u'.' + name;
}

std::optional<int> indexOf(const QString& text)
{
    bool ok = false;
    const int index = text.toInt(&ok, 10);
    return ok && index >= 0 ? std::optional(index) : std::nullopt;
}

} // namespace

TranslationSource TranslationSource::parse(const QStringList& lines)
{
    TranslationSource source;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        const QStringList fields = line.split(u'\t');
        const QString& first = fields[0];

        if (first.startsWith(u'@')) {
            const std::optional<int> index = fields.size() == 3 ? indexOf(fields[1]) : std::nullopt;
            QMap<int, QString>* target = nullptr;
            if (first == QLatin1String("@text"))
                target = &source.texts_;
            for (int list = 0; list < optionLists; ++list)
                if (first == QStringLiteral("@Radio%1").arg(list + 1))
                    target = &source.options_[size_t(list)];
            if (!target || !index) {
                source.problems_ << where + QStringLiteral("expected \"@text\" or \"@Radio1\"..\"@Radio3\", "
                                                           "an index and one text");
                continue;
            }
            if (target->contains(*index))
                source.problems_ << where + first + u' ' + fields[1] + QStringLiteral(" is given twice");
            else
                target->insert(*index, fields[2]);
            continue;
        }

        if (fields.size() < 3 || fields.size() > 4 || first.trimmed().isEmpty() || fields[1].trimmed().isEmpty()) {
            source.problems_ << where + QStringLiteral("expected window, control, caption and hint");
            continue;
        }
        Control control{first.trimmed(), fields[1].trimmed(), fields[2], fields.value(3)};
        const QString k = key(control.window, control.name);
        if (source.controlIndex_.contains(k)) {
            source.problems_ << where + k + QStringLiteral(" is given twice");
            continue;
        }
        source.controlIndex_.insert(k, source.controls_.size());
        source.controls_.push_back(std::move(control));
    }
    return source;
}

std::optional<TranslationSource> TranslationSource::read(const QString& path)
{
    const std::optional<QStringList> lines = TextLines::read(path);
    if (!lines)
        return std::nullopt;
    return parse(*lines);
}

const TranslationSource::Control* TranslationSource::control(const QString& window, const QString& name) const
{
    const auto found = controlIndex_.constFind(key(window, name));
    return found == controlIndex_.cend() ? nullptr : &controls_[*found];
}
