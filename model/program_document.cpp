#include "model/program_document.h"

#include "model/band.h"
#include "model/image_layout.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

void Store(RadioImage& image, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), image.data() + at);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void FillNewDocumentImage(RadioImage& image, const BandCodeBytes& bandCode) {
    using namespace layout;
    // Rows 0..254; row 255 gets the band code, the squelch levels and 0xFF.
    std::fill(image.data(), image.data() + RowStart(kRowCount - 1), std::uint8_t{0xFF});
    Store(image, kOptionalFeatures, {0x01, 0x04, 0x00, 0x00, 0x00, 0xBE, 0x13, 0x7A});
    Store(image, kRow196Extra, {0x00, 0x00});
    image[kFlagByte] = 0xFD;
    image[kPriorityChannel] = 0x00;
    image[kOptionalFlags] = 0x01;
    Store(image, kDtmfEncode, {0x00, 0x04, 0x00, 0x00});
    image[kRow203Extra] = 0x01;
    image[kDtmfGroupCode] = 0x41;
    image[kRow205Extra] = 0x00;
    for (int w = 0; w < kTwoToneEncodeCount; ++w) {
        Store(image, TwoToneEncodeEntry(w), {0x4E, 0x20, 0x27, 0x10});
    }
    for (int k = 1; k <= kTwoToneDecodeCount; ++k) {
        Store(image, TwoToneDecodeSet(k), {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05});
    }
    Store(image, kTwoToneTimingShown, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00});
    image[kModelIndex] = 0x00;
    SetImageBandCode(image, bandCode);
    std::copy(std::begin(kDefaultSquelchLevels), std::end(kDefaultSquelchLevels),
              image.data() + kSquelchLevels);
    // Not given a value by the steps above: 0xFF like the rest of the image.
    std::fill(image.data() + kRow255Extra, image.data() + image.size(), std::uint8_t{0xFF});
}

TextId ChannelWindowTitle() {
    return TEXT_ID("ProgramDocument", "Channel Information");
}

void CProgramDoc::OnNewDocument(const std::string& appName, BandPlan& bands,
                                const TextCatalogue& texts) {
    NormalizeBandCode(bands.bandCode);
    FillNewDocumentImage(m_image, bands.bandCode);
    m_title = texts.Tr(ChannelWindowTitle());
    m_path = appName;
    m_modified = false;
    m_hasFile = false;
}

FileResult CProgramDoc::OnOpenDocument(const std::string& path) {
    FileResult r = ReadDatFile(path, m_image);
    if (!r.Ok()) {
        return r;
    }
    m_path = path;
    m_title = FileNameOf(path);
    m_modified = false;
    m_hasFile = true;
    if (m_openHook) {
        m_openHook(m_image);
    }
    return r;
}

FileResult CProgramDoc::OnSaveDocument(const std::string& path) {
    if (m_saveHook) {
        m_saveHook(m_image);
    }
    FileResult r = WriteDatFile(path, m_image);
    if (r.Ok()) {
        m_path = path;
        m_title = FileNameOf(path);
        m_modified = false;
        m_hasFile = true;
    }
    return r;
}
