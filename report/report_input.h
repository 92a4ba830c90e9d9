#pragma once
// What a report is made of: the document's image, the texts of its channel
// grid, the language and the footer's owner text.

#include "model/channel_table.h"
#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <string>

namespace report {

struct ReportInput {
    const RadioImage& image;
    // The texts of the channel grid's cells.
    const ChannelTable& channels;
    // The catalogue of the report's language.
    const TextCatalogue& texts;
    // The footer's owner text ("Copyrights Owner" of the language's section).
    std::string owner;
};

} // namespace report
