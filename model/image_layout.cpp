// The checks of the image map that walk its regions byte by byte: every byte
// the dialogs, the codecs and the transfers read and write is a byte the
// radio holds, none falls on a spare row or on bytes 16..23. They live here,
// not in the header, so that the build evaluates them once.

#include "model/image_layout.h"

namespace layout {
namespace {

constexpr bool IsRadioRange(std::size_t offset, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (!IsRadioByte(offset + i)) {
            return false;
        }
    }
    return true;
}
static_assert(IsRadioRange(kChannelBase, kChannelsEnd - kChannelBase));
static_assert(IsRadioRange(kOptionalFeatures, kOptionalFeaturesSize + kRow196ExtraSize));
static_assert(IsRadioRange(kFlagByte, kOptionalFlags + 1 - kFlagByte));
static_assert([] {
    for (int r = 0; r <= kMskCallListCount; ++r) {
        if (!IsRadioRange(MskCallListEntry(r), kMskIdSize)) {
            return false;
        }
    }
    return true;
}());
static_assert(IsRadioRange(kDtmfEncode, kRow203Extra + 1 - kDtmfEncode));
static_assert(IsRadioRange(kDtmfIdCode, kDtmfCodeSize) && IsRadioByte(kDtmfGroupCode));
static_assert(IsRadioRange(kDtmfStunCode, kDtmfCodeSize) && IsRadioByte(kRow205Extra));
static_assert([] {
    for (int r = 1; r <= kDtmfCallListCount; ++r) {
        if (!IsRadioRange(DtmfCallEntry(r), kDtmfCallEntrySize)) {
            return false;
        }
    }
    // The shown form, then the radio form.
    for (std::size_t form = 0; form <= kTwoToneRadioDistance; form += kTwoToneRadioDistance) {
        for (int w = 0; w < kTwoToneEncodeCount; ++w) {
            if (!IsRadioRange(TwoToneEncodeEntry(w) + form, kTwoToneEncodeEntrySize)) {
                return false;
            }
        }
        for (int k = 1; k <= kTwoToneDecodeCount; ++k) {
            if (!IsRadioRange(TwoToneDecodeSet(k) + form, kTwoToneDecodeSetSize)) {
                return false;
            }
        }
    }
    return true;
}());
static_assert(IsRadioRange(kTwoToneTimingShown, kTwoToneTimingShownSize));
static_assert(IsRadioRange(kTwoToneTimingRadio, kTwoToneTimingRadioSize));
static_assert(IsRadioRange(kBandTypeBlock, kBandTypeBlockSize));
static_assert(IsRadioRange(kModelIndex, 1 + kPasswordSize));
static_assert(IsRadioRange(kBandCode, kUpperRowBytes));

} // namespace
} // namespace layout
