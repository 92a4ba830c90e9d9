#pragma once
// A channel row proposed by a file, taken into a channel the way the grid
// takes typed cells: the receive frequency first (a new channel with the
// grid's defaults), then every other cell through its editor and the commit
// rules, so that what the grid refuses is refused here with the grid's message.

#include "exchange/channel_import.h"

#include <map>
#include <optional>
#include <utility>

namespace exchange {

class RowCommitter {
public:
    // Frequencies are checked against the limits of bands; refusals are
    // worded in the catalogue's language.
    RowCommitter(const BandPlan& bands, const TextCatalogue& texts)
        : bands_(bands), texts_(texts) {}

    // proposed: the nine cell texts; an empty cell other than the receive
    // frequency keeps the new channel's default. The result is the channel,
    // or nullopt with refusal set (its line left to the caller).
    std::optional<ChannelTexts> Commit(const ChannelTexts& proposed, ImportNote& refusal);

private:
    // What the column's editor makes of a text (true, input) or why it cannot
    // hold it (false, reason). The lists' answers are kept: a large file
    // repeats a few texts many times, and the tone list is long.
    bool CellInput(int col, const std::string& text, std::string& input, std::string& reason);

    const BandPlan& bands_;
    const TextCatalogue& texts_;
    ChannelTable scratch_{};
    std::map<std::pair<int, std::string>, std::pair<bool, std::string>> listInputs_;
};

} // namespace exchange
