#include "stats/DrawSource.h"

#include "draws/DrawFile.h"

QString DrawSource::forEach(const std::function<void(const Draw&)>& visit) const
{
    if (draws_) {
        for (const Draw& draw : *draws_)
            visit(draw);
        return {};
    }
    return file_->scan([&](const Draw& draw, qint64) {
        visit(draw);
        return true;
    });
}
