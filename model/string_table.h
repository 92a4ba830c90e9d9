#pragma once
// The string table: message texts with the ids the windows and the command
// line share. These are the English texts; the Chinese ones come from the
// Chinese translation set (context "StringTable").

enum StringId : int {
    IDS_OUT_OF_RANGE = 61446,
    IDS_ERROR_DATA_FORMAT = 61447,
    IDS_COMMUNICATION_ERROR = 61449,
    IDS_DATA_WILL_BE_CLEARED = 61450,
    IDS_COULD_NOT_OPEN_PORT = 61451,
    IDS_PROGRAM_INTERRUPT = 61452,
    IDS_ERROR_STEP_VALUE = 61454,
    IDS_CAUTION = 61456,
    IDS_RX_FREQUENCY_FIRST = 61457,
};

// English text of a string-table id; an unknown id gives "".
const char* StringTableText(int id);
