#pragma once

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), as the
// captions show averages and shares. Non-finite values give 0.
long long roundHalfEven(double value);
