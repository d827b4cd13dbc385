#pragma once

#include <QString>
#include <QStringList>
#include <array>

class MasterList;
class TranslationSource;

// The positional language files of one language, made from its editable
// source and the German references (master list, text table, option items).
struct GeneratedLanguageFiles {
    QStringList translation;          // bezeich.txt.<code>: caption and hint per master record
    QStringList messages;             // meldungen.txt.<code>: one line per text-table index
    std::array<QStringList, 3> options; // Radio1.txt.<code> .. Radio3.txt.<code>
    // Entries the source lacks (their German text is used meanwhile), entries
    // for things that no longer exist, and texts that break a German rule
    // (a lost accelerator, a lost or added trailing blank).
    QStringList problems;
};

class LanguageFileSet {
public:
    struct German {
        const MasterList& master;
        QStringList texts;                   // the text table
        std::array<QStringList, 3> options;  // Radio1..Radio3 items
    };

    // German option items come from the German source ("de.tsv"), which
    // holds nothing else: German captions are the master list's.
    static std::array<QStringList, 3> optionItems(const TranslationSource& germanSource);

    static GeneratedLanguageFiles build(const German& german, const TranslationSource& source);

    // German message and option files, so that switching back to German
    // restores the text table and the option items too.
    static GeneratedLanguageFiles buildGerman(const German& german, const TranslationSource& germanSource);

    // Writes every language's files into `landDir` from "<code>.tsv" in
    // `sourceDir` and the master list "bezeich.txt" in `landDir`. Problems of
    // the sources go to `problems`, each prefixed with its file; the return
    // value is the first write error, empty when everything was written.
    static QString writeAll(const QString& sourceDir, const QString& landDir, QStringList* problems);

    // UTF-8 with byte-order mark and CR LF, through a temporary file.
    static QString writeLines(const QString& path, const QStringList& lines);
};
