#pragma once
// The DTMF signalling settings as the three pages of the DTMF dialog show
// them. Each page loads when it becomes visible and stores when it is hidden.
// Where they lie is in image_layout.h (kDtmf..., kFlagByte):
//
// - Encode: speed (bits 1..0 of the speed byte), first-digit delay,
//   first-digit time and "*"/"#" time (milliseconds / 50, read through 0x1F),
//   side tone (flag byte bit 6). The edits are normalised when left and stored.
// - Decode: ID code (10 characters), group code (one character, 0xFF off),
//   stun activation (flag byte bit 4), stun code (10 characters), stun type
//   (flag byte bit 5, set = transmit inhibit).
// - CallList: nine entries of 16 characters, one per row.
//
// Of the flag byte only bits 4, 5 and 6 belong here, of the speed byte only
// bits 1..0.

#include "model/fields/field_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace dtmf {

// Characters of a DTMF code: what the stun code and call list filters pass.
inline constexpr const char* kDtmfCharacters = "0123456789ABCD*#";

// The pages in tab order: "encode", "decode", "call_list". Field names are
// the keys of "dtmf"; call list entries are "call_list.1" ... "call_list.9".
const std::vector<fields::FieldPage>& Pages();

// Leaving an edit of the encode page: the text it is rewritten to.
std::string NormaliseSpeed(std::string_view text);
std::string NormaliseDelay(std::string_view text);
std::string NormaliseDigitTime(std::string_view text);
// One spin notification (delta +1 up, -1 down) on the edit's text.
std::string SpinSpeed(std::string_view text, int delta);
std::string SpinDelay(std::string_view text, int delta);
std::string SpinDigitTime(std::string_view text, int delta);

// Items of the two drop-down lists of the decode page.
const std::vector<fields::ItemText>& GroupCodeItems();
const std::vector<fields::ItemText>& StunTypeItems();

// The item a drop-down list selects for an edit's text when it opens: the
// first item whose text begins with it, letter case ignored, searching from
// item 1 on and ending with item 0; -1 when no item begins with it.
int ItemStartingWith(const std::vector<std::string>& items, std::string_view text);

} // namespace dtmf
