#pragma once
// What a CSV layout makes of one data row, before the grid's commit rules:
// the nine cell texts it proposes and the row it names, or why it skips the
// row; with warnings about what it changed on the way.

#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <memory>
#include <string>
#include <vector>

namespace exchange {

struct RowProposal {
    bool skip = false;
    std::string reason; // why skipped, in the catalogue's language
    ChannelTexts texts; // an empty cell keeps the new channel's default
    int location = 0;   // grid row 1..129 the row names, 0 for none
    std::vector<std::string> warnings;
};

// A layout bound to a file's header line.
class LayoutRows {
public:
    virtual ~LayoutRows() = default;
    // The row's channel; its reasons and warnings worded in the catalogue's language.
    virtual RowProposal Propose(const std::vector<std::string>& fields,
                                const TextCatalogue& texts) const = 0;
};

} // namespace exchange
