#pragma once

#include <QByteArray>
#include <QStringList>

// A rich-text (RTF) document of plain paragraphs in the writer's default
// font, enough for the reports. Qt reads and writes HTML and Markdown, but no
// RTF, and the report is meant for word processors.
namespace RtfWriter {

// One paragraph per entry. Braces and backslashes are escaped, tabs become
// tab controls, every character outside ASCII is written as an RTF Unicode
// escape (with "?" for readers that do not know it), so the file is 7-bit
// whatever the code page of the reader.
QByteArray document(const QStringList& paragraphs);

} // namespace RtfWriter
