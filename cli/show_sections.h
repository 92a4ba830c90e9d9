#pragma once
// The sections that "program-cli show" prints besides the channel table: the
// band values, and one section per settings group the command line offers
// (model/fields/settings_groups.h), each from the image as decoded at opening.

#include "model/fields/settings_groups.h"
#include "model/radio_image.h"

#include <QJsonObject>

struct BandPlan;

// "band_code": the plan's bandCode (g_bandCode) as 12 upper-case hex digits;
// "band_limits_mhz": its four band limits; "model_index": the image's model
// index byte.
void ShowBandSection(const RadioImage& image, const BandPlan& bands, QJsonObject& out);

// The group's section, named like the group: what the controls of its dialog
// show right after loading the image. Lists and button groups give the
// selected item's English text ("" with none), check boxes true/false, edits
// and cells their text (an edit's item picked from its list in Chinese when
// bChinese); fields named "NAME.N" form the array NAME. A group whose one
// field is named like the group is that field's value ("side_key");
// "two_tone" has a shape of its own (ShowTwoToneSection).
void ShowGroupSection(const fields::SettingsGroup& group, const RadioImage& image, bool bChinese,
                      QJsonObject& out);

// "two_tone": the encode page's timing and short beep, "encode" as 32 pairs
// [tone1, tone2] and "decode" as eight objects {a, b, first, second,
// interval, long}.
void ShowTwoToneSection(const RadioImage& image, bool bChinese, QJsonObject& out);

// What one control shows: true/false for a check box, otherwise its text.
QJsonValue FieldJson(const fields::FieldSpec& spec, const fields::FieldValue& value);
