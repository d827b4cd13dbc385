#include "evaluation/RtfWriter.h"

namespace {

// Windows-1252 at 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The character in the document's code page, for readers that skip Unicode
// escapes; '?' when the code page has none.
unsigned char cp1252Byte(char16_t u)
{
    if (u >= 0xA0 && u <= 0xFF)
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    return '?';
}

void appendEscaped(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u < 0x20) {
            out += ' '; // other control characters have no place in a paragraph
        } else if (u < 0x80) {
            out += char(u);
        } else {
            // RTF takes a signed 16-bit value; characters beyond the basic
            // plane arrive here as their two UTF-16 halves, which is how RTF
            // writes them too. The fallback is written as a hex escape, as
            // word processors do: some readers take a bare one as the start
            // of a word.
            out += "\\u";
            out += QByteArray::number(qint16(u));
            out += "\\'";
            out += QByteArray::number(cp1252Byte(u), 16).rightJustified(2, '0');
        }
    }
}

} // namespace

namespace RtfWriter {

QByteArray document(const QStringList& paragraphs)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                     "\\pard\\f0\\fs20\r\n";
    for (const QString& paragraph : paragraphs) {
        appendEscaped(out, paragraph);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

} // namespace RtfWriter
