#pragma once

#include "draws/Draw.h"

#include <QString>
#include <functional>
#include <vector>

class DrawFile;

// Where a statistic reads its draws from: records already in memory or the
// database file, which is then scanned once from its first record.
class DrawSource {
public:
    DrawSource(const std::vector<Draw>& draws) : draws_(&draws) {}
    DrawSource(const DrawFile& file) : file_(&file) {}

    // Calls visit for every record in file order; returns the error text of
    // a failed read, empty on success.
    QString forEach(const std::function<void(const Draw&)>& visit) const;

private:
    const std::vector<Draw>* draws_ = nullptr;
    const DrawFile* file_ = nullptr;
};
