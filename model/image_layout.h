#pragma once
// Offsets of the regions of the radio image (hexadecimal image offsets).
// Ranges are given by their first offset and their size or last offset.

#include <cstddef>

namespace layout {

// Channel records: 129 records of 24 bytes; record n is grid row n + 1.
inline constexpr std::size_t kChannelBase = 0x0000;
inline constexpr std::size_t kChannelRecordSize = 0x18;
inline constexpr std::size_t kChannelRecordCount = 129;
inline constexpr std::size_t kChannelEnd = 0x0C17; // last byte of record 128

// Byte positions inside a channel record.
inline constexpr std::size_t kRecRx = 0;       // 0..3 packed BCD, least significant pair first
inline constexpr std::size_t kRecTx = 4;       // 4..7
inline constexpr std::size_t kRecDecTone = 8;  // 8 low, 9 high
inline constexpr std::size_t kRecEncTone = 10; // 10 low, 11 high
inline constexpr std::size_t kRecSignalType = 12;
inline constexpr std::size_t kRecFlags = 13;
inline constexpr std::size_t kRecSignalSelect = 14; // 14..15
inline constexpr std::size_t kRecName = 16;         // 16..23
inline constexpr std::size_t kRecNameSize = 8;

inline constexpr std::size_t kRow129 = 0x0C18;           // ..0x0C2F, no editor
inline constexpr std::size_t kSpareRows = 0x0C30;        // ..0x1247, rows 130..194, image only
inline constexpr std::size_t kRow195 = 0x1248;           // ..0x125F, no editor
inline constexpr std::size_t kOptionalFeatures = 0x1260; // ..0x1267
inline constexpr std::size_t kOptionalFeaturesSize = 8;
inline constexpr std::size_t kRow196Extra = 0x1268; // 0x1268..0x1269, no editor
inline constexpr std::size_t kPttIdBegin = 0x1278;  // 16 characters
inline constexpr std::size_t kPttIdEnd = 0x1290;    // 16 characters
inline constexpr std::size_t kPttIdSize = 16;
inline constexpr std::size_t kFlagByte = 0x12A8;
inline constexpr std::size_t kPriorityChannel = 0x12A9;
inline constexpr std::size_t kSideKey = 0x12AA;
inline constexpr std::size_t kOptionalFlags = 0x12AB;
inline constexpr std::size_t kMskOwnId = 0x12C0; // 4 characters
inline constexpr std::size_t kMskOwnIdSize = 4;
inline constexpr std::size_t kMskCallList = 0x12C4; // ..0x12F7, 9 entries of 4, bytes 0..15 of rows
inline constexpr std::size_t kMskCallListEnd = 0x12F7;
inline constexpr std::size_t kDtmfEncode = 0x1308; // 0x1308..0x130B
inline constexpr std::size_t kDtmfSpeed = 0x1308;
inline constexpr std::size_t kDtmfFirstDigitDelay = 0x1309;
inline constexpr std::size_t kDtmfFirstDigitTime = 0x130A;
inline constexpr std::size_t kDtmfStarHashTime = 0x130B;
inline constexpr std::size_t kRow203Extra = 0x130D;
inline constexpr std::size_t kDtmfDecodeId = 0x1320; // 10 characters
inline constexpr std::size_t kDtmfDecodeIdSize = 10;
inline constexpr std::size_t kDtmfGroupCode = 0x132F;
inline constexpr std::size_t kDtmfStunCode = 0x1338; // 10 characters
inline constexpr std::size_t kDtmfStunCodeSize = 10;
inline constexpr std::size_t kRow205Extra = 0x1347;
inline constexpr std::size_t kDtmfFastCall = 0x1380; // 9 entries of 16, entry r at +24*(r-1)
inline constexpr std::size_t kDtmfFastCallEnd = 0x144F;
inline constexpr std::size_t kDtmfFastCallCount = 9;
inline constexpr std::size_t kDtmfFastCallSize = 16;
inline constexpr std::size_t kTwoToneEncodeShown = 0x1500; // ..0x15BF, 32 entries of 4
inline constexpr std::size_t kTwoToneDecodeShown = 0x15C0; // ..0x1617, 8 entries of 8
inline constexpr std::size_t kTwoToneTimingShown = 0x1620; // ..0x1627
inline constexpr std::size_t kTwoToneEncodeRadio = 0x1680; // ..0x173F
inline constexpr std::size_t kTwoToneDecodeRadio = 0x1740; // ..0x1797
inline constexpr std::size_t kTwoToneTimingRadio = 0x17A0; // ..0x17A6
inline constexpr std::size_t kTwoToneEncodeCount = 32;
inline constexpr std::size_t kTwoToneDecodeCount = 8;
inline constexpr std::size_t kBandTypeBlock = 0x17B8; // ..0x17C7, read only
inline constexpr std::size_t kModelIndex = 0x17D1;
inline constexpr std::size_t kPassword = 0x17D2; // 6 characters
inline constexpr std::size_t kPasswordSize = 6;
inline constexpr std::size_t kBandCode = 0x17E8; // ..0x17ED
inline constexpr std::size_t kBandCodeSize = 6;
inline constexpr std::size_t kSquelchLevels = 0x17EE; // V wide, V narrow, U wide, U narrow
inline constexpr std::size_t kSquelchLevelCount = 4;
inline constexpr std::size_t kRow255Extra = 0x17F2; // ..0x17F7, read only
inline constexpr std::size_t kRow255Spare = 0x17F8; // ..0x17FF

// Row 255 is not filled by a new document; everything before it is.
inline constexpr std::size_t kRow255 = 0x17E8;

// Offset of entry w (0..31) of a 2-Tone encode list starting at base.
constexpr std::size_t TwoToneEncodeEntry(std::size_t base, std::size_t w) {
    return base + 24 * (w / 4) + 4 * (w % 4);
}
// Offset of decode set i (0..7) of a 2-Tone decode list starting at base.
constexpr std::size_t TwoToneDecodeEntry(std::size_t base, std::size_t i) {
    return base + 24 * (i / 2) + 8 * (i % 2);
}
// Offset of channel record n (0..128).
constexpr std::size_t ChannelRecord(std::size_t n) {
    return kChannelBase + kChannelRecordSize * n;
}

} // namespace layout
