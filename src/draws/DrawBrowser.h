#pragma once

#include "draws/Draw.h"

#include <optional>
#include <vector>

// Stepping to the previous or next stored draw. Both take the current
// Position and return the index of the record to show, which is the new
// Position; nullopt for an empty database (nothing to show). Draws that the
// browsing skip rule excludes are passed over.
//
// Previous never goes below index 1, so the oldest record is shown only when
// it is the only one. Next at the latest draw shows the latest draw again;
// when the latest draw is excluded it lands on the draw before it.
//
// When the skip rule leaves nothing to stop at in the stepping direction, the
// position stays where it was (clamped to the file).
std::optional<int> previousPosition(const std::vector<Draw>& draws, int position, bool saturdays, bool wednesdays);
std::optional<int> nextPosition(const std::vector<Draw>& draws, int position, bool saturdays, bool wednesdays);
