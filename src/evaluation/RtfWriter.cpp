#include "evaluation/RtfWriter.h"

#include "text/Windows1252.h"

namespace {

// The character in the document's code page, for readers that skip Unicode
// escapes; '?' when the code page has none.
unsigned char cp1252Byte(char16_t u)
{
    return Windows1252::fromUnicode(u).value_or('?');
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
