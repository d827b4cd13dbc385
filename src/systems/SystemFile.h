#pragma once

#include "systems/LottoSystem.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A system file (".vls"): a small text a person can read and type, UTF-8,
// written with CR LF, read with CR, LF or CR LF:
//
//   Numerant system 1
//   name: Vollsystem 010
//   numbers: 3 7 12 19 23 28 31 36 41 45
//   guarantee: 3 if 4          (or "none")
//   rows: 4
//   3 7 12 19 23 28
//   ...
//
// Rows are written as numbers, one row a line. Reading is strict: every line
// in this order, the numbers 6 to 49 different numbers 1..49, each row six
// different numbers among them, exactly as many rows as announced, and a
// stated guarantee must hold (the checker proves it on reading).
namespace SystemFile {

inline QString defaultSuffix() { return QStringLiteral("vls"); }
// For the file dialogs.
QString filter();

constexpr qint64 maxFileSize = 1024 * 1024;
constexpr int maxRows = 20000;

QByteArray format(const LottoSystem& system);
// The rows alone as CSV, a header line "n1,…,n6" first, CR LF.
QByteArray csv(const LottoSystem& system);
// Returns the message for the user, empty on success.
QString write(const QString& path, const LottoSystem& system);

std::optional<LottoSystem> parse(const QByteArray& bytes, QString* error = nullptr);
// Also refuses anything that is not a regular file and files larger than maxFileSize.
std::optional<LottoSystem> read(const QString& path, QString* error = nullptr);

} // namespace SystemFile
