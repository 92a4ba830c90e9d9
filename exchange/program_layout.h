#pragma once
// The program's own CSV layout: a header line CH, Rx Frequency, ... Busy Lock
// and one line per channel holding the grid's texts. Headers and words are
// read in either language.

#include "exchange/row_proposal.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace exchange {

// Header of grid column col (0 = CH .. 9) in the language in use.
const char* ProgramColumnName(int col);

// The layout's reader when header is its header line (one naming CH or Rx
// Frequency). Returns nullptr when header is not; sets missing to the columns
// it lacks when it is but is incomplete.
std::unique_ptr<LayoutRows> ProgramLayoutRows(const std::vector<std::string>& header,
                                              std::vector<std::string>& missing);

// Header and one line per row that holds a channel, in the language in use.
std::vector<std::vector<std::string>> ProgramLayoutLines(const ChannelTable& table);

// Row of a label ("1".."128", "Fr", case ignored); 0 for anything else.
int RowOfLabel(const std::string& label);

} // namespace exchange
