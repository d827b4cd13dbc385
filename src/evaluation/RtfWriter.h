#pragma once

#include <QByteArray>
#include <QStringList>

// A rich-text (RTF) document of plain paragraphs in the writer's default
// font, enough for the reports. Qt reads and writes HTML and Markdown, but no
// RTF, and the report is meant for word processors.
namespace RtfWriter {

// One paragraph per entry. Braces and backslashes are escaped, tabs become
// tab controls, every character outside ASCII is written as an RTF Unicode
// escape followed by its Windows-1252 byte (or "?") for readers that do not
// know Unicode escapes, so the file is 7-bit whatever the reader's code page.
QByteArray document(const QStringList& paragraphs);

} // namespace RtfWriter
