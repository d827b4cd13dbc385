#include "systems/CoverInstance.h"

#include <bit>

CoverInstance::CoverInstance(int k, Guarantee g)
{
    blocks = Systems::fullSystemRows(k);
    const NumberMask all = (NumberMask(1) << k) - 1;
    for (NumberMask s = (NumberMask(1) << g.ifDrawn) - 1; s <= all; s = Systems::nextSubset(s))
        subsets.push_back(s);
    coversOf.resize(blocks.size());
    coveredBy.resize(subsets.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (std::size_t s = 0; s < subsets.size(); ++s) {
            if (std::popcount(blocks[b] & subsets[s]) >= g.hits) {
                coversOf[b].push_back(int(s));
                coveredBy[s].push_back(int(b));
            }
        }
    }
}
