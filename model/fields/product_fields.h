#pragma once
// The model and band values as the Product Information dialog shows them:
// the model index byte of the image in a list of the model names, and the
// four band limits in whole MHz, shown but not edited. OK stores the model
// index, then the band limits as one step (StoreBandLimits).

#include "model/fields/field_table.h"

#include <array>
#include <string>

struct BandPlan;

namespace product {

// The names of the band limit fields: band 1 low and high, band 2 low and high.
inline constexpr const char* kBandNames[4] = {"band1_low", "band1_high", "band2_low", "band2_high"};

// The dialog's one page, "product":
// - "model": the list of models; its items are the model names of the
//   settings file, which the dialog fills. It shows the image's model index
//   (an index beyond the list selects nothing); no selection stores 0xFF.
// - "band1_low", "band1_high", "band2_low", "band2_high": the band limits of
//   the program's band plan in MHz, which are not in the image: they load
//   empty, the dialog shows BandLimitTexts. They store nothing of their own.
const fields::FieldPage& Page();

// The four band limits of the plan as the edits show them (whole MHz).
std::array<std::string, 4> BandLimitTexts(const BandPlan& bands);

// OK's band step over the page's values: the four edits read as integers
// (MHz). When a band's lower limit lies above its upper one nothing is stored
// and false is returned; otherwise the plan's band limits, the image's band
// code and the plan's bandCode become those of the four values.
bool StoreBandLimits(const fields::FieldValues& values, RadioImage& image, BandPlan& bands);

} // namespace product
