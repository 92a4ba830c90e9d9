#pragma once
// Decimal numbers as the dialogs' edits hold them: read the way the edits'
// text is read (the leading number, none gives 0) and written with a fixed
// number of decimals and a minimum width, independent of the C locale.

#include <string>
#include <string_view>

// The leading decimal number of the text: optional blanks, an optional sign,
// digits with at most one decimal point. Text with no number gives 0.
double ParseLeadingNumber(std::string_view text);

// printf "%<width>.<decimals>f": right-aligned, padded with blanks to width.
std::string FormatFixed(double value, int decimals, int width);

// The integer part of a value (cut toward zero), held to the range of a
// 32-bit integer so that no input makes the conversion undefined.
long CutToInteger(double value);
