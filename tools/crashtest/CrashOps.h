#pragma once

#include "draws/Draw.h"

#include <QString>

#include <cstdint>
#include <random>
#include <vector>

// The changes the crash test makes to a database, chosen from a seeded
// generator and the current content only, so the driver can replay them in
// memory and know the old and the new content of every step.
namespace CrashOps {

enum class Kind { Append, Insert, Replace, Delete };
constexpr int kindCount = 4;
const char* name(Kind kind);

struct Operation {
    Kind kind = Kind::Append;
    Draw draw;            // the entry for Append, Insert and Replace
    double datum = 0.0;   // the date removed by Delete
};

// About 5,000 draws on Wednesdays and Saturdays from 1990 on.
std::vector<Draw> initialDraws(std::uint32_t seed);

Operation next(std::mt19937& random, const std::vector<Draw>& state);

// The content after the operation, as the draws code computes it.
std::vector<Draw> applied(const std::vector<Draw>& state, const Operation& operation);

// Carries the operation out on the database file through the draws code;
// the error text, empty on success.
QString perform(const QString& databasePath, const Operation& operation);

QByteArray encoded(const std::vector<Draw>& draws);

} // namespace CrashOps
