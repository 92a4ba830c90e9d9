#pragma once
// The program's own CSV layout: a header line CH, Rx Frequency, ... Busy Lock
// and one line per channel holding the grid's texts. Headers and words are
// read in either language.

#include "exchange/row_proposal.h"
#include "model/cell_block.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace exchange {

// Header of grid column col (0 = CH .. 9) in the catalogue's language (the
// layout's own words in both languages, which a header may use either way).
const char* ProgramColumnName(int col, const TextCatalogue& texts);

// The layout's reader when header is its header line (one naming CH or Rx
// Frequency). Returns nullptr when header is not; sets missing to the columns
// it lacks when it is but is incomplete.
std::unique_ptr<LayoutRows> ProgramLayoutRows(const std::vector<std::string>& header,
                                              std::vector<std::string>& missing,
                                              const TextCatalogue& texts);

// Header and one line per row that holds a channel, in the catalogue's language.
std::vector<std::vector<std::string>> ProgramLayoutLines(const ChannelTable& table,
                                                         const TextCatalogue& texts);

// The selected cells in the program's layout, as the clipboard carries them:
// a header line (CH and the titles of the selected columns, in the
// catalogue's language) and each selected row led by its label.
CellBlock ProgramLayoutBlock(const ChannelTable& table, const std::vector<GridCell>& selection,
                             const TextCatalogue& texts);

// The cells of block without the program layout around them: when its first
// line is such a header (CH, then column titles in either language), that
// line and the CH column go; any other block is returned as it is.
CellBlock WithoutProgramLayout(const CellBlock& block);

// Row of a label ("1".."128", "Fr", case ignored); 0 for anything else.
int RowOfLabel(const std::string& label);

} // namespace exchange
