#include "app/demo_radio.h"

#include "model/channel_codec.h"
#include "model/image_layout.h"
#include "model/program_document.h"
#include "sim/simulated_radio.h"

#include <utility>

namespace {

// A few channels as a dealer would program them: the grid's texts in English.
const ChannelTexts kDemoChannels[] = {
    {"145.12500", "145.12500", "None", "None", "CALL", "High", "Wide", "Yes", "Off"},
    {"145.50000", "144.90000", "88.5", "88.5", "RPT1", "High", "Wide", "Yes", "QT/DQT"},
    {"146.52000", "146.52000", "None", "100.0", "SIMPLX", "Low", "Narrow", "Yes", "Carrier"},
    {"433.50000", "433.50000", "D023N", "D023N", "UHF", "High", "Narrow", "No", "Off"},
    {"439.00625", "431.40625", "123.0", "123.0", "RPT2", "High", "Wide", "Yes", "QT/DQT"},
    {"446.00625", "446.00625", "67.0", "67.0", "PMR1", "Low", "Narrow", "Yes", "Carrier"},
};

} // namespace

RadioImage DemoRadioImage(const BandCodeBytes& bandCode) {
    RadioImage image;
    FillNewDocumentImage(image, bandCode);
    std::size_t record = 0;
    for (const ChannelTexts& texts : kDemoChannels) {
        EncodeRecord(texts, image.data() + layout::ChannelRecord(record));
        ++record;
    }
    return image;
}

CDemoRadio::CDemoRadio(SimOptions options) : m_options(std::move(options)) {}

CDemoRadio::~CDemoRadio() {
    if (m_radio) {
        m_radio->Stop();
    }
}

bool CDemoRadio::Start(const BandCodeBytes& bandCode) {
    auto radio = std::make_unique<SimulatedRadio>(m_options);
    radio->LoadImage(DemoRadioImage(bandCode));
    if (!radio->Start()) {
        return false;
    }
    m_radio = std::move(radio);
    return true;
}

std::string CDemoRadio::DevicePath() const {
    return m_radio ? m_radio->DevicePath() : std::string();
}

SimStats CDemoRadio::Stats() const {
    return m_radio ? m_radio->Stats() : SimStats{};
}
