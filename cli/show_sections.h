#pragma once
// The settings groups that "program-cli show" prints besides the channel table.
// Each section adds its keys to the JSON object from the image as decoded at
// opening. A new group is one function declared here and one entry in the
// list of show_sections.cpp.

#include "model/fields/field_table.h"
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

// "two_tone", "msk", "squelch": what the 2-Tone pages, the MSK dialog and
// the Squelch Tuning dialog show right after loading the image.
void ShowTwoToneSection(const RadioImage& image, QJsonObject& out);
void ShowMskSection(const RadioImage& image, QJsonObject& out);
void ShowSquelchSection(const RadioImage& image, QJsonObject& out);

// What one control shows: true/false for a check box, otherwise its text.
QJsonValue FieldJson(const fields::FieldSpec& spec, const fields::FieldValue& value);
// Every field of the table as loaded from the image; fields named "NAME.N"
// form the array NAME.
void AddFields(const fields::FieldTable& table, const RadioImage& image, QJsonObject& out);

// Every section, in output order.
const std::vector<ShowSection>& ShowSections();
