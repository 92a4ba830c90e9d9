#pragma once
// The band plan as any decode leaves it: 136..174 MHz and 400..520 MHz.

#include "model/band.h"

inline BandPlan DecodedBands() {
    BandPlan bands;
    bands.SetLimitsMhz({136, 174, 400, 520});
    return bands;
}
