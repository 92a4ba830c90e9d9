#pragma once
// The settings groups that "program-cli show" prints besides the channel table.
// Each section adds its keys to the JSON object from the image as decoded at
// opening. A new group is one function declared here and one entry in the
// list of show_sections.cpp.

#include "model/radio_image.h"

#include <QJsonObject>
#include <vector>

using ShowSection = void (*)(const RadioImage& image, QJsonObject& out);

// "band_code": g_bandCode as 12 upper-case hex digits; "band_limits_mhz": the
// four band limits; "model_index": the image's model index byte.
void ShowBandSection(const RadioImage& image, QJsonObject& out);

// "optional", "dtmf", "side_key": what the Optional Features, DTMF and Key
// Assignment dialogs show right after loading the image.
void ShowOptionalSection(const RadioImage& image, QJsonObject& out);
void ShowDtmfSection(const RadioImage& image, QJsonObject& out);
void ShowSideKeySection(const RadioImage& image, QJsonObject& out);

// Every section, in output order.
const std::vector<ShowSection>& ShowSections();
