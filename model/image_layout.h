#pragma once
// The map of the radio image: the offset of every region, the width of every
// field and the stride of every list, each named once. Every other part of
// the program (fields, codecs, address map, simulator, dialogs) takes them
// from here. Offsets are image offsets in hexadecimal; a range is its first
// offset and its size. The static_asserts at the end tie together the facts
// that follow from one another, so that a slip in one of them stops the build;
// the checks that walk whole regions byte by byte are in image_layout.cpp, so
// that they run once and not in every file that includes this one.

#include <cstddef>
#include <cstdint>

namespace layout {

// The image: 256 rows of 24 bytes.
inline constexpr std::size_t kRowSize = 24;
inline constexpr std::size_t kRowCount = 256;
inline constexpr std::size_t kImageSize = 0x1800;

constexpr std::size_t RowStart(std::size_t row) {
    return row * kRowSize;
}

// The bytes that are radio memory: rows 0..129 whole, then bytes 0..15 of
// rows 195..255. Rows 130..194 and bytes 16..23 of rows 195..255 exist only
// in the image and the file.
inline constexpr std::size_t kLinearRows = 130;
inline constexpr std::size_t kFirstUpperRow = 195;
inline constexpr std::size_t kUpperRowBytes = 16;

constexpr bool IsRadioByte(std::size_t offset) {
    const std::size_t row = offset / kRowSize;
    return row < kLinearRows ||
           (row >= kFirstUpperRow && row < kRowCount && offset % kRowSize < kUpperRowBytes);
}

// Byte i of a row run that starts at start: a run walks the radio bytes
// 0..15 of a row and continues at byte 0 of the next row.
constexpr std::size_t RowRunOffset(std::size_t start, std::size_t i) {
    const std::size_t rowStart = start - start % kRowSize;
    const std::size_t column = start % kRowSize + i;
    return rowStart + (column / kUpperRowBytes) * kRowSize + column % kUpperRowBytes;
}

// Channel records: 129 records of 24 bytes; record n is grid row n + 1.
// Row 129, right after them, has no editor.
inline constexpr std::size_t kChannelBase = 0x0000;
inline constexpr std::size_t kChannelRecordSize = 0x18;
inline constexpr int kChannelRecordCount = 129;
inline constexpr std::size_t kChannelsEnd = 0x0C18;

// Offset of channel record n (0..128).
constexpr std::size_t ChannelRecord(std::size_t n) {
    return kChannelBase + kChannelRecordSize * n;
}

// Byte positions inside a channel record; bytes 12, 14 and 15 belong to no
// column of the grid.
inline constexpr std::size_t kRecRx = 0; // packed BCD, least significant pair first
inline constexpr std::size_t kRecTx = 4;
inline constexpr std::size_t kRecFrequencySize = 4;
inline constexpr std::size_t kRecDecTone = 8; // low byte, then high byte
inline constexpr std::size_t kRecEncTone = 10;
inline constexpr std::size_t kRecToneSize = 2;
inline constexpr std::size_t kRecFlags = 13;
inline constexpr std::size_t kRecName = 16;
inline constexpr std::size_t kRecNameSize = 8;

// Optional features (row 196): one setting per byte.
inline constexpr std::size_t kOptionalFeatures = 0x1260;
inline constexpr std::size_t kOptionalFeaturesSize = 8;
inline constexpr std::size_t kTot = kOptionalFeatures;
inline constexpr std::size_t kSquelchLevel = 0x1261;
inline constexpr std::size_t kVoxGain = 0x1262;
inline constexpr std::size_t kStep = 0x1263;
inline constexpr std::size_t kTotPreAlert = 0x1264;
inline constexpr std::size_t kKeyFlags = 0x1265;
inline constexpr std::size_t kDisplayFlags = 0x1266;
inline constexpr std::size_t kDisplayMode = 0x1267;
inline constexpr std::size_t kRow196Extra = 0x1268; // no editor
inline constexpr std::size_t kRow196ExtraSize = 2;

// Row 199: bytes shared by several dialogs, each owning some bits.
inline constexpr std::size_t kFlagByte = 0x12A8;
inline constexpr std::size_t kPriorityChannel = 0x12A9;
inline constexpr std::size_t kSideKey = 0x12AA;
inline constexpr std::size_t kOptionalFlags = 0x12AB;

// MSK: the own ID and then call list entries 1..9, four characters each,
// as one row run from 0x12C0.
inline constexpr std::size_t kMskIds = 0x12C0;
inline constexpr std::size_t kMskIdSize = 4;
inline constexpr int kMskCallListCount = 9;
inline constexpr std::size_t kMskRunSize = kMskIdSize * (1 + kMskCallListCount);

// Offset of MSK call list entry r (1..9).
constexpr std::size_t MskCallListEntry(int r) {
    return RowRunOffset(kMskIds, kMskIdSize * static_cast<std::size_t>(r));
}

// DTMF encode (row 203): speed code, first-digit delay, first-digit time,
// "*"/"#" time.
inline constexpr std::size_t kDtmfEncode = 0x1308;
inline constexpr std::size_t kDtmfSpeed = kDtmfEncode;
inline constexpr std::size_t kDtmfFirstDigitDelay = 0x1309;
inline constexpr std::size_t kDtmfFirstDigitTime = 0x130A;
inline constexpr std::size_t kDtmfStarHashTime = 0x130B;
inline constexpr std::size_t kRow203Extra = 0x130D; // no editor

// DTMF decode (rows 204, 205): ID code and stun code of 10 characters each.
inline constexpr std::size_t kDtmfIdCode = 0x1320;
inline constexpr std::size_t kDtmfGroupCode = 0x132F;
inline constexpr std::size_t kDtmfStunCode = 0x1338;
inline constexpr std::size_t kDtmfCodeSize = 10;
inline constexpr std::size_t kRow205Extra = 0x1347; // no editor

// DTMF fast call list: 9 entries of 16 characters, one per row.
inline constexpr std::size_t kDtmfCallList = 0x1380;
inline constexpr std::size_t kDtmfCallEntrySize = 16;
inline constexpr int kDtmfCallListCount = 9;

// Offset of DTMF call list entry r (1..9).
constexpr std::size_t DtmfCallEntry(int r) {
    return kDtmfCallList + static_cast<std::size_t>(r - 1) * kRowSize;
}

// 2-Tone: every value is held as shown and, kTwoToneRadioDistance further
// on, in the form the radio uses. Numbers of two bytes are big-endian.
inline constexpr std::size_t kTwoToneRadioDistance = 0x180;
// Encode list: 32 entries of two tones, four entries per row.
inline constexpr std::size_t kTwoToneEncodeShown = 0x1500;
inline constexpr std::size_t kTwoToneEncodeRadio = 0x1680;
inline constexpr int kTwoToneEncodeCount = 32;
inline constexpr std::size_t kTwoToneToneSize = 2;
inline constexpr std::size_t kTwoToneEncodeEntrySize = 2 * kTwoToneToneSize;
// Decode sets 1..8: tones a and b, then four times of a byte each; two sets
// per row.
inline constexpr std::size_t kTwoToneDecodeShown = 0x15C0;
inline constexpr std::size_t kTwoToneDecodeRadio = 0x1740;
inline constexpr int kTwoToneDecodeCount = 8;
inline constexpr std::size_t kTwoToneDecodeTimes = 2 * kTwoToneToneSize;
inline constexpr std::size_t kTwoToneDecodeSetSize = 8;
// Encode timing: first delay, second delay, long tone delay (a byte each),
// tone interval and rise delay (two bytes each), then the short beep, which
// only the shown form holds.
inline constexpr std::size_t kTwoToneTimingShown = 0x1620;
inline constexpr std::size_t kTwoToneTimingRadio = 0x17A0;
inline constexpr std::size_t kTimingFirstDelay = 0;
inline constexpr std::size_t kTimingSecondDelay = 1;
inline constexpr std::size_t kTimingLongToneDelay = 2;
inline constexpr std::size_t kTimingToneInterval = 3;
inline constexpr std::size_t kTimingRiseDelay = 5;
inline constexpr std::size_t kTimingShortBeep = 7;
inline constexpr std::size_t kTwoToneTimingShownSize = 8;
inline constexpr std::size_t kTwoToneTimingRadioSize = kTimingShortBeep;

inline constexpr std::size_t kTwoToneEncodePerRow = kUpperRowBytes / kTwoToneEncodeEntrySize;
inline constexpr std::size_t kTwoToneDecodePerRow = kUpperRowBytes / kTwoToneDecodeSetSize;

// Offset of 2-Tone encode entry w (0..31), shown form.
constexpr std::size_t TwoToneEncodeEntry(int w) {
    const auto i = static_cast<std::size_t>(w);
    return kTwoToneEncodeShown + kRowSize * (i / kTwoToneEncodePerRow) +
           kTwoToneEncodeEntrySize * (i % kTwoToneEncodePerRow);
}
// Offset of 2-Tone decode set k (1..8), shown form.
constexpr std::size_t TwoToneDecodeSet(int k) {
    const auto i = static_cast<std::size_t>(k - 1);
    return kTwoToneDecodeShown + kRowSize * (i / kTwoToneDecodePerRow) +
           kTwoToneDecodeSetSize * (i % kTwoToneDecodePerRow);
}

// Rows 253..255: the band-type block, model index and password, then band
// code and squelch levels, which a clone transfer only reads.
inline constexpr std::size_t kBandTypeBlock = 0x17B8; // owned by the radio
inline constexpr std::size_t kBandTypeBlockSize = 16;
inline constexpr std::size_t kModelIndex = 0x17D1;
inline constexpr std::size_t kPassword = 0x17D2;
inline constexpr std::size_t kPasswordSize = 6;
inline constexpr std::size_t kBandCode = 0x17E8;
inline constexpr std::size_t kBandCodeSize = 6;
// V wide, V narrow, U wide, U narrow: a byte each.
inline constexpr std::size_t kSquelchLevels = 0x17EE;
inline constexpr int kSquelchLevelCount = 4;
// The levels of a new document and of a fresh radio.
inline constexpr std::uint8_t kDefaultSquelchLevels[kSquelchLevelCount] = {0x29, 0x27, 0x22, 0x1E};
inline constexpr std::size_t kRow255Extra = 0x17F2; // no editor, read only
inline constexpr std::size_t kRow255ExtraSize = 6;

// ---- Facts that follow from the map ----

static_assert(kImageSize == kRowCount * kRowSize);
static_assert(kLinearRows < kFirstUpperRow && kFirstUpperRow < kRowCount);
static_assert(kUpperRowBytes <= kRowSize);

// A record is a row; the records fill the channel region exactly, and row
// 129 is the last row the radio holds whole.
static_assert(kChannelRecordSize == kRowSize);
static_assert(ChannelRecord(kChannelRecordCount) == kChannelsEnd);
static_assert(kChannelsEnd + kRowSize == RowStart(kLinearRows));

// The fields of a record follow one another and the name ends the record.
static_assert(kRecTx == kRecRx + kRecFrequencySize);
static_assert(kRecDecTone == kRecTx + kRecFrequencySize);
static_assert(kRecEncTone == kRecDecTone + kRecToneSize);
static_assert(kRecEncTone + kRecToneSize < kRecFlags && kRecFlags < kRecName);
static_assert(kRecName + kRecNameSize == kChannelRecordSize);

// The optional features are their eight bytes.
static_assert(kDisplayMode + 1 == kOptionalFeatures + kOptionalFeaturesSize);
static_assert(kRow196Extra == kOptionalFeatures + kOptionalFeaturesSize);

// The DTMF encode bytes follow one another; the codes end before the next
// field of their row.
static_assert(kDtmfFirstDigitDelay == kDtmfSpeed + 1 && kDtmfFirstDigitTime == kDtmfSpeed + 2 &&
              kDtmfStarHashTime == kDtmfSpeed + 3 && kDtmfStarHashTime < kRow203Extra);
static_assert(kDtmfIdCode + kDtmfCodeSize <= kDtmfGroupCode);
static_assert(kDtmfStunCode + kDtmfCodeSize <= kRow205Extra);

// The MSK run (own ID and nine entries) ends before the DTMF encode row.
static_assert(RowRunOffset(kMskIds, kMskRunSize - 1) < kDtmfEncode);
static_assert(RowStart(kDtmfEncode / kRowSize) == kDtmfEncode);

// A call list entry uses the radio bytes of its row; the list ends before
// the 2-Tone encode list.
static_assert(kDtmfCallEntrySize <= kUpperRowBytes);
static_assert(DtmfCallEntry(kDtmfCallListCount) + kDtmfCallEntrySize <= kTwoToneEncodeShown);

// 2-Tone: the lists fill the radio bytes of their rows and follow one
// another; the radio forms lie kTwoToneRadioDistance after the shown ones.
static_assert(kTwoToneEncodePerRow * kTwoToneEncodeEntrySize == kUpperRowBytes);
static_assert(kTwoToneDecodePerRow * kTwoToneDecodeSetSize == kUpperRowBytes);
static_assert(kTwoToneDecodeTimes + 4 == kTwoToneDecodeSetSize);
static_assert(TwoToneEncodeEntry(kTwoToneEncodeCount - 1) + kTwoToneEncodeEntrySize <=
              kTwoToneDecodeShown);
static_assert(TwoToneDecodeSet(kTwoToneDecodeCount) + kTwoToneDecodeSetSize <= kTwoToneTimingShown);
static_assert(kTimingSecondDelay == kTimingFirstDelay + 1 &&
              kTimingLongToneDelay == kTimingSecondDelay + 1 &&
              kTimingToneInterval == kTimingLongToneDelay + 1 &&
              kTimingRiseDelay == kTimingToneInterval + kTwoToneToneSize &&
              kTimingShortBeep == kTimingRiseDelay + kTwoToneToneSize);
static_assert(kTimingShortBeep + 1 == kTwoToneTimingShownSize);
static_assert(kTwoToneTimingShown + kTwoToneTimingShownSize <= kTwoToneEncodeRadio);
static_assert(kTwoToneEncodeRadio == kTwoToneEncodeShown + kTwoToneRadioDistance);
static_assert(kTwoToneDecodeRadio == kTwoToneDecodeShown + kTwoToneRadioDistance);
static_assert(kTwoToneTimingRadio == kTwoToneTimingShown + kTwoToneRadioDistance);
static_assert(kTwoToneTimingRadio + kTwoToneTimingRadioSize <= kBandTypeBlock);

// Rows 253..255: the band-type block is row 253's radio bytes; model index
// and password lie in row 254; row 255 holds band code, squelch levels and
// the read-only bytes, in that order, up to the end of its radio bytes.
static_assert(kBandTypeBlock == RowStart(kBandTypeBlock / kRowSize));
static_assert(kBandTypeBlockSize == kUpperRowBytes);
static_assert(kModelIndex + 1 == kPassword);
static_assert(kBandCode == RowStart(kRowCount - 1));
static_assert(kSquelchLevels == kBandCode + kBandCodeSize);
static_assert(kRow255Extra == kSquelchLevels + kSquelchLevelCount);
static_assert(kRow255Extra + kRow255ExtraSize == kBandCode + kUpperRowBytes);

} // namespace layout
