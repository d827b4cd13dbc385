#pragma once

#include "systems/LottoSystem.h"

#include <QString>

// How a system's parts read for the user, in the interface language.
namespace SystemTexts {

// "3 Richtige, wenn 4 der gezogenen Zahlen unter Ihren sind"
QString guarantee(Guarantee guarantee);
// The numbers of a number mask, ascending, blank-separated: "1 2 3 4".
QString numbers(NumberMask numberMask);

} // namespace SystemTexts
