#pragma once
// Comparison of two images by meaning: what a user would see change, not
// which bytes moved. Every difference is one of
// - a channel cell: grid row and column with the text each image shows;
// - a settings field of the registry (model/fields/settings_groups.h), or
//   one of the image's own named values (band code, model index), with the
//   text each image shows (for a list's code that no item stores, the raw
//   code, where the control would show an item);
// - bytes that no cell or field shows (or whose change no cell or field
//   shows): a run of consecutive offsets with the bytes of each image in hex.
// A byte counts as shown by a cell or field when putting the other image's
// byte there alone changes that cell's or field's text. Texts follow the
// language in use, as the editors do.

#include "model/fields/field_table.h"
#include "model/radio_image.h"
#include "model/text_catalogue.h"

#include <cstddef>
#include <string>
#include <vector>

namespace compare {

enum class DifferenceKind { Channel, Field, Bytes };

struct Difference {
    DifferenceKind kind = DifferenceKind::Bytes;
    // Channel: grid row 1..129 and column 1..9. Field: the entry's row of a
    // list grid without labels (a call list), 0 for other fields.
    int row = 0;
    int column = 0;
    // Field: the group and field names of the command line ("optional",
    // "tot"), and the label of the field's control (the band code and the
    // model index: Product Information's "Field" and "Model").
    std::string group;
    std::string field;
    TextId label;
    // What each image shows (UTF-8); Bytes: the bytes as hex pairs.
    std::string first;
    std::string second;
    // The first differing image offset the difference stands for; Bytes: the
    // run is offset .. offset + size - 1.
    std::size_t offset = 0;
    std::size_t size = 1;
};

// Every difference between first and second: channel cells in row and
// column order, then fields in registry order, then byte runs in offset
// order. Empty when the images are equal byte for byte. The texts shown are
// those of texts' language.
std::vector<Difference> CompareImages(const RadioImage& first, const RadioImage& second,
                                      const TextCatalogue& texts);

// Where a difference lies (words in the catalogue's language): "channel 12 Rx
// Frequency", "channel Fr Chnnel Name", "optional.tot", "0x1268..0x1269".
std::string DifferencePlace(const Difference& difference, const TextCatalogue& texts);
// One line: the place, then both texts ("channel 3 Chnnel Name: \"A\" -> \"B\"").
std::string DescribeDifference(const Difference& difference, const TextCatalogue& texts);

// "0x0C30": an offset or address as four upper-case hex digits.
std::string HexAddress(std::size_t value);
// "13 17 64": bytes as upper-case hex pairs separated by blanks.
std::string HexBytes(const std::uint8_t* bytes, std::size_t size);

} // namespace compare
