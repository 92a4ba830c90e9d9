#pragma once
// A channel list read from CSV text, ready to go into a channel table: the
// channels that passed the grid's commit rules, and for every other row the
// reason it was skipped. Nothing here touches a document: PlaceChannels
// computes the new table, which the caller puts in place as one change.

#include "model/band.h"
#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace exchange {

enum class CsvLayout {
    Program, // the grid's own columns, CH first
    Generic, // Location, Name, Frequency, Duplex, ... of other programming tools
};

// A skipped row or a warning: the line of the file and the reason, in the
// language in use. messageId is the string-table id when the reason is one of
// the grid's messages (text then holds its English text), else 0.
struct ImportNote {
    int line = 0;
    std::string text;
    int messageId = 0;
};

struct ImportedChannel {
    int line = 0;     // line of the file
    int location = 0; // grid row the file names for it (1..129), 0 for none
    ChannelTexts texts;
};

struct ChannelImport {
    bool ok = false;   // false: the file is refused as a whole
    std::string error; // why, one line in the language in use, when not ok
    CsvLayout layout = CsvLayout::Program;
    std::vector<ImportedChannel> channels;
    std::vector<ImportNote> skipped;
    std::vector<ImportNote> warnings;
};

// Reads a channel list: the header line picks the layout (comma- or
// tab-separated). Every row goes through the grid's commit rules with the
// band limits of bands; a row of empty fields only is passed over. The
// reasons and warnings are worded in the catalogue's language.
ChannelImport ReadChannelCsv(std::string_view text, const BandPlan& bands,
                             const TextCatalogue& texts);

enum class Placement {
    Replace,   // rows 1..128 are emptied and filled (the Fr row only by a channel placed there)
    IntoEmpty, // only rows without a channel are filled; the others stay
};

struct PlacedChannels {
    ChannelTable table;
    int placed = 0;
    std::vector<ImportNote> unplaced; // channels for which no row was left
};

// Where the channels go. When every channel names a different row (only the
// files this program exports name rows), Replace puts each in its row;
// otherwise, and always for IntoEmpty, they fill rows 1..128 in file order,
// and only a channel that names the Fr row goes there.
PlacedChannels PlaceChannels(const ChannelTable& current, const ChannelImport& import,
                             Placement placement, const TextCatalogue& texts);

// Every row the import leaves out: those the file could not give, then the
// channels for which no row was left.
std::vector<ImportNote> SkippedRows(const ChannelImport& import, const PlacedChannels& placed);

// The table as CSV text: UTF-8 without a byte-order mark, CRLF line ends,
// one row per channel. The program layout's header follows the catalogue's
// language (its words are the table's own).
std::string WriteChannelCsv(const ChannelTable& table, CsvLayout layout,
                            const TextCatalogue& texts);

} // namespace exchange
