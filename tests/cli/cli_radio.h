#pragma once
// What the transfer tests of the command line share: a started simulated
// radio, .dat files in and out, and which radio addresses a read copies into
// a saved document as they are.

#include "model/radio_image.h"
#include "sim/simulated_radio.h"

#include <memory>
#include <string>

// A started radio with the options, holding image when one is given.
std::unique_ptr<SimulatedRadio> Radio(const SimOptions& options, const RadioImage* image);

void WriteImage(const std::string& path, const RadioImage& image);
RadioImage ReadImage(const std::string& path);

// Radio addresses outside the channel records and the band code, which the
// document's decode and encode rewrite.
bool KeptAsIs(int address);
