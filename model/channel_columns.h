#pragma once
// The names of the channel grid's rows and columns: the titles the grid shows
// and the keys the command line prints.

#include "model/channel_table.h"
#include "model/text_catalogue.h"

#include <string>

// Title of grid column col (0..9; 0 is the row-label column).
TextId ColumnHeader(int col);

// Key of grid column col (1..9) in the command line's JSON: "rx", "tx", "dec",
// "enc", "name", "power", "width", "scan", "busy".
const char* ChannelColumnKey(int col);

// Label of grid row 1..129: the channel number, "Fr" for the last row.
std::string ChannelRowLabel(int row);
