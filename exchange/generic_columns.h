#pragma once
// The columns of the generic channel layout, shared by its reader and its
// writer: their order in an export, their header names and the value a
// column missing from an imported file takes.

namespace exchange::generic {

enum Column {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kBusyLock,
    kColumnCount,
};

struct GenericColumn {
    const char* name;
    const char* neutral;
};

inline constexpr GenericColumn kGenericColumns[kColumnCount] = {
    {"Location", ""},    {"Name", ""},           {"Frequency", ""},     {"Duplex", ""},
    {"Offset", "0"},     {"Tone", ""},           {"rToneFreq", "88.5"}, {"cToneFreq", "88.5"},
    {"DtcsCode", "023"}, {"DtcsPolarity", "NN"}, {"RxDtcsCode", ""},    {"CrossMode", "Tone->Tone"},
    {"Mode", "FM"},      {"TStep", "5.00"},      {"Skip", ""},          {"Power", ""},
    {"Comment", ""},     {"URCALL", ""},         {"RPT1CALL", ""},      {"RPT2CALL", ""},
    {"DVCODE", ""},      {"BusyLock", ""},
};

} // namespace exchange::generic
