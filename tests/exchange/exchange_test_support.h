#pragma once
// What the channel exchange tests share: English, the band plan of a decoded
// file, and CSV texts read the way the window and the command line read them.

#include "exchange/channel_import.h"
#include "tests/model/decoded_bands.h"
#include "tests/texts/test_catalogues.h"
#include <gtest/gtest.h>

#include <string>

namespace exchange {

class ExchangeTest : public ::testing::Test {
protected:
    // A channel list read with the tests' band plan, worded in texts.
    ChannelImport ReadList(std::string_view text,
                           const TextCatalogue& texts = SourceTexts()) const {
        return ReadChannelCsv(text, bands, texts);
    }

    BandPlan bands = DecodedBands();
};

// The texts of a channel as the grid holds them in English.
inline ChannelTexts Channel(const char* rx, const char* tx, const char* dec, const char* enc,
                            const char* name = "", const char* power = "High",
                            const char* width = "Wide", const char* scan = "Yes",
                            const char* busy = "Off") {
    return {rx, tx, dec, enc, name, power, width, scan, busy};
}

// Every note's line and text on one line each, for failure output.
inline std::string NotesText(const std::vector<ImportNote>& notes) {
    std::string text;
    for (const ImportNote& note : notes)
        text += std::to_string(note.line) + ": " + note.text + "\n";
    return text;
}

} // namespace exchange
