#pragma once
// The DTMF signalling settings as the three pages of the DTMF dialog show
// them. Each page loads when it becomes visible and stores when it is hidden:
//
// - Encode: speed (0x1308 bits 1..0), first-digit delay, first-digit time and
//   "*"/"#" time (0x1309..0x130B, milliseconds / 50, read through 0x1F),
//   side tone (0x12A8 bit 6). The edits are normalised when left and stored.
// - Decode: ID code (0x1320, 10 characters), group code (0x132F, one
//   character, 0xFF off), stun activation (0x12A8 bit 4), stun code (0x1338,
//   10 characters), stun type (0x12A8 bit 5, set = transmit inhibit).
// - CallList: nine entries of 16 characters at 0x1380 + 24 * (r - 1).
//
// Of 0x12A8 only bits 4, 5 and 6 belong here, of 0x1308 only bits 1..0.

#include "model/fields/field_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace dtmf {

inline constexpr std::size_t kSpeed = 0x1308;
inline constexpr std::size_t kFirstDigitDelay = 0x1309;
inline constexpr std::size_t kFirstDigitTime = 0x130A;
inline constexpr std::size_t kStarHashTime = 0x130B;
inline constexpr std::size_t kFlags = 0x12A8;
inline constexpr std::size_t kIdCode = 0x1320;
inline constexpr std::size_t kGroupCode = 0x132F;
inline constexpr std::size_t kStunCode = 0x1338;
inline constexpr std::size_t kCallList = 0x1380;
inline constexpr std::size_t kCodeLength = 10;
inline constexpr std::size_t kCallEntryLength = 16;
inline constexpr int kCallEntries = 9;

// Control ids the pages need beyond the fields' own.
inline constexpr int kTabId = 1036;
inline constexpr int kGroupCodeEditId = 1081;
inline constexpr int kGroupCodeListId = 1124;
inline constexpr int kStunActivationId = 1103;
inline constexpr int kStunCodeEditId = 1082;
inline constexpr int kStunTypeEditId = 1083;
inline constexpr int kStunTypeListId = 1136;
inline constexpr int kStunCodeLabelId = 1107;
inline constexpr int kStunTypeLabelId = 1108;
inline constexpr int kCallListGridId = 1022;
inline constexpr int kCellEditId = 1125;

// Characters of a DTMF code: what the stun code and call list filters pass.
inline constexpr const char* kDtmfCharacters = "0123456789ABCD*#";

// The pages in tab order: "encode", "decode", "call_list". Field names are
// the keys of "dtmf"; call list entries are "call_list.1" ... "call_list.9".
const std::vector<fields::FieldPage>& Pages();

// Image offset of call list entry r (1..9).
constexpr std::size_t CallEntryOffset(int r) {
    return kCallList + static_cast<std::size_t>(r - 1) * kRowSize;
}

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
