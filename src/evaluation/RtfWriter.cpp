#include "evaluation/RtfWriter.h"

namespace {

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
            // writes them too.
            out += "\\u";
            out += QByteArray::number(qint16(u));
            out += '?';
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
